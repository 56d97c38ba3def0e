<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BackupWidget</name>
    <message>
        <source>Back Up Now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>Backup Folder...</source>
        <translation>Sicherungsordner...</translation>
    </message>
    <message>
        <source>Daily backup after:</source>
        <translation>Tägliche Sicherung nach:</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>A backup folder on the kiosk&apos;s own disk does not survive that disk: choose a USB stick or a network share, and protect it like the kiosk&apos;s data.</source>
        <translation>Ein Sicherungsordner auf der Festplatte des Kiosks übersteht deren Ausfall nicht: Wählen Sie einen USB-Stick oder eine Netzwerkfreigabe und schützen Sie sie wie die Daten des Kiosks.</translation>
    </message>
    <message>
        <source>Backups: by the database server</source>
        <translation>Sicherungen: durch den Datenbankserver</translation>
    </message>
    <message>
        <source>Backing up to %1...</source>
        <translation>Sicherung nach %1...</translation>
    </message>
    <message>
        <source>Backup Folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>Last good backup: %1, in %2</source>
        <translation>Letzte gute Sicherung: %1, in %2</translation>
    </message>
    <message>
        <source>No good backup yet in %1.</source>
        <translation>Noch keine gute Sicherung in %1.</translation>
    </message>
    <message>
        <source>The last backup failed: %1 Brindlow tries again when the kiosk is next idle.</source>
        <translation>Die letzte Sicherung ist fehlgeschlagen: %1 Brindlow versucht es erneut, sobald der Kiosk wieder unbenutzt ist.</translation>
    </message>
    <message>
        <source>No good backup for more than two days: is the kiosk never left idle?</source>
        <translation>Seit mehr als zwei Tagen keine gute Sicherung: Bleibt der Kiosk nie unbenutzt?</translation>
    </message>
</context>
<context>
    <name>ExportHistoryDialog</name>
    <message>
        <source>Export History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Student words:</source>
        <translation>Wörter zum Schüler:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Item words:</source>
        <translation>Wörter zum Instrument:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Einträge:</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>Der Verlauf kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>FileStores</name>
    <message>
        <source>The files in %1, for this kiosk alone</source>
        <translation>Die Dateien in %1, nur für dieses Kiosk-Terminal</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
</context>
<context>
    <name>HistoryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Student words</source>
        <translation>Wörter zum Schüler</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Item words</source>
        <translation>Wörter zum Instrument</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Sign-outs found</source>
        <translation>Gefundene Ausleihen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a date; the range keeps %2.</source>
        <translation>„%1“ ist kein lesbares Datum; der Zeitraum bleibt bei %2.</translation>
    </message>
</context>
<context>
    <name>InventoryModel</name>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
</context>
<context>
    <name>InventoryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Instrument:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Add copies</source>
        <translation>Exemplare hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected copies</source>
        <translation>Ausgewählte Exemplare entfernen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Print Labels...</source>
        <translation>Etiketten drucken …</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Instrumente</translation>
    </message>
    <message>
        <source>Please type the name of the instrument.</source>
        <translation>Bitte geben Sie den Namen des Instruments ein.</translation>
    </message>
    <message>
        <source>The items could not be added.</source>
        <translation>Die Instrumente konnten nicht hinzugefügt werden.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 und %Ln weiteres</numerusform>
            <numerusform>%1 und %Ln weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Möchten Sie %1 wirklich löschen?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete these %Ln copies: %1?</source>
        <translation>
            <numerusform>Möchten Sie dieses %Ln Exemplar wirklich löschen: %1?</numerusform>
            <numerusform>Möchten Sie diese %Ln Exemplare wirklich löschen: %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>The items could not be removed.</source>
        <translation>Die Instrumente konnten nicht entfernt werden.</translation>
    </message>
    <message>
        <source>There are no items to print labels for.</source>
        <translation>Es gibt keine Instrumente, für die Etiketten gedruckt werden könnten.</translation>
    </message>
    <message>
        <source>The labels could not be printed.</source>
        <translation>Die Etiketten konnten nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>ItemAvailabilityModel</name>
    <message>
        <source>%1 (signed out today)</source>
        <translation>%1 (heute ausgeliehen)</translation>
    </message>
    <message>
        <source>Signed out today</source>
        <translation>Heute ausgeliehen</translation>
    </message>
</context>
<context>
    <name>KioskLock</name>
    <message>
        <source>Brindlow is already running in the folder %1.</source>
        <translation>Brindlow läuft bereits im Ordner %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brindlow</source>
        <translation>Brindlow</translation>
    </message>
    <message>
        <source>Sign out instruments, and view a log of today&apos;s activity.</source>
        <translation>Instrumente ausleihen und sehen, was heute ausgeliehen wurde.</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Ausleihen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Sign Out&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Sign out instruments, and view a log of today&apos;s activity.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Ausleihen&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Instrumente ausleihen und sehen, was heute ausgeliehen wurde.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>View a log of all activity over the past year, and search for specific entries.</source>
        <translation>Alle Ausleihen des vergangenen Jahres ansehen und nach bestimmten Einträgen suchen.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;History&lt;/span&gt;&lt;/p&gt;&lt;p&gt;View a log of all activity over the past year, and search for specific entries.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Verlauf&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Alle Ausleihen des vergangenen Jahres ansehen und nach bestimmten Einträgen suchen.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Verwaltung</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Vollbild ein/aus</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong administrator passwords. Please wait %n seconds.</source>
        <translation>
            <numerusform>Zu viele falsche Administratorpasswörter. Bitte warten Sie %n Sekunde.</numerusform>
            <numerusform>Zu viele falsche Administratorpasswörter. Bitte warten Sie %n Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please verify the administrator password.</source>
        <translation>Bitte bestätigen Sie das Administratorpasswort.</translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message>
        <source>Please enter the new password.</source>
        <translation>Bitte geben Sie das neue Passwort ein.</translation>
    </message>
    <message>
        <source>Without a password, anyone at the kiosk can open the settings and close Brindlow. Remove the administrator password?</source>
        <translation>Ohne Passwort kann jeder am Kiosk-Terminal die Einstellungen öffnen und Brindlow beenden. Administratorpasswort entfernen?</translation>
    </message>
    <message>
        <source>Please enter the new password again.</source>
        <translation>Bitte geben Sie das neue Passwort noch einmal ein.</translation>
    </message>
    <message>
        <source>The passwords did not match. The administrator password has not been changed.</source>
        <translation>Die Passwörter stimmen nicht überein. Das Administratorpasswort wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The administrator password could not be changed.</source>
        <translation>Das Administratorpasswort konnte nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>PostgresDatabase</name>
    <message>
        <source>Cannot reach the kiosks&apos; database.</source>
        <translation>Die Datenbank der Kiosk-Terminals ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The database was set up by a newer version of Brindlow. Please install that version on this computer too.</source>
        <translation>Die Datenbank wurde von einer neueren Version von Brindlow eingerichtet. Bitte installieren Sie diese Version auch auf diesem Computer.</translation>
    </message>
    <message>
        <source>The database could not be set up: %1</source>
        <translation>Die Datenbank konnte nicht eingerichtet werden: %1</translation>
    </message>
</context>
<context>
    <name>PostgresStores</name>
    <message>
        <source>The PostgreSQL database &quot;%1&quot;, shared with other kiosks</source>
        <translation>Die PostgreSQL-Datenbank „%1“, gemeinsam mit anderen Kiosk-Terminals</translation>
    </message>
</context>
<context>
    <name>PrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>ddd MMM d yyyy</source>
        <comment>date format</comment>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Summary for %1</source>
        <translation>Übersicht für %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>hh:mm:ss ap</source>
        <comment>time format</comment>
        <translation>HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Settings Home</source>
        <translation>Einstellungen: Start</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventar</translation>
    </message>
    <message>
        <source>Add or remove items in the inventory.</source>
        <translation>Instrumente im Inventar hinzufügen oder entfernen.</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Update the student list, reset a student&apos;s password, or clear all history.</source>
        <translation>Schülerliste aktualisieren, das Passwort eines Schülers zurücksetzen oder den gesamten Verlauf löschen.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print today&apos;s summary.</source>
        <translation>Die Übersicht von heute drucken.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>The language of every page; the change applies at once.</source>
        <translation>Die Sprache aller Seiten; die Änderung gilt sofort.</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Wie das System</translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Daten: %1</translation>
    </message>
    <message>
        <source>No administrator password: anyone at the kiosk can open these pages and close Brindlow. Admin &gt; Change Password sets one.</source>
        <translation>Kein Administratorpasswort: Jeder am Kiosk-Terminal kann diese Seiten öffnen und Brindlow beenden. Unter Verwaltung &gt; Passwort ändern legen Sie eines fest.</translation>
    </message>
    <message>
        <source>Brindlow %1</source>
        <translation>Brindlow %1</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Nutzung</translation>
    </message>
    <message>
        <source>See which instruments sit idle, which are always out and when the desk is busy.</source>
        <translation>Sehen, welche Instrumente ungenutzt bleiben, welche immer ausgeliehen sind und wann am Ausleihtisch viel los ist.</translation>
    </message>
</context>
<context>
    <name>SignOutWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Schülernummer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Ausleihen</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Today&apos;s sign-outs</source>
        <translation>Heutige Ausleihen</translation>
    </message>
    <message>
        <source>Please scan the label again.</source>
        <translation>Bitte scannen Sie das Etikett noch einmal.</translation>
    </message>
    <message>
        <source>The item is already signed out.</source>
        <translation>Dieses Instrument ist bereits ausgeliehen.</translation>
    </message>
    <message>
        <source>The sign-out could not be recorded. Please tell a member of staff.</source>
        <translation>Die Ausleihe konnte nicht gespeichert werden. Bitte sagen Sie einer Lehrkraft Bescheid.</translation>
    </message>
    <message>
        <source>%1 signed out %2</source>
        <translation>%1 hat %2 ausgeliehen</translation>
    </message>
    <message>
        <source>%1 is no longer in the inventory.</source>
        <translation>%1 ist nicht mehr im Inventar.</translation>
    </message>
    <message>
        <source>The student ID cannot be empty.</source>
        <translation>Die Schülernummer darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The password cannot be empty.</source>
        <translation>Das Passwort darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Please choose an instrument.</source>
        <translation>Bitte wählen Sie ein Instrument.</translation>
    </message>
</context>
<context>
    <name>SqliteTable</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a database (is it damaged?). Please tell a member of staff.</source>
        <translation>Die Datei „%1“ lässt sich nicht als Datenbank lesen (ist sie beschädigt?). Bitte sagen Sie einer Lehrkraft Bescheid.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was written by a newer version of Brindlow. Please install that version on this computer too.</source>
        <translation>Die Datei „%1“ wurde von einer neueren Version von Brindlow geschrieben. Bitte installieren Sie diese Version auch auf diesem Computer.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be rewritten to remove old data from its free space (is the disk full?). Brindlow tries again at its next start.</source>
        <translation>Die Datei „%1“ konnte nicht neu geschrieben werden, um alte Daten aus ihrem freien Speicher zu entfernen (ist der Datenträger voll?). Brindlow versucht es beim nächsten Start erneut.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be brought up to date (is the disk full or the folder read-only?). Please tell a member of staff.</source>
        <translation>Die Datei „%1“ konnte nicht aktualisiert werden (ist der Datenträger voll oder der Ordner schreibgeschützt?). Bitte sagen Sie einer Lehrkraft Bescheid.</translation>
    </message>
</context>
<context>
    <name>StudentImportDialog</name>
    <message>
        <source>Import Student List</source>
        <translation>Schülerliste importieren</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Read as:</source>
        <translation>Gelesen als:</translation>
    </message>
    <message>
        <source>Students read:</source>
        <translation>Gelesene Schüler:</translation>
    </message>
    <message>
        <source>Current students removed:</source>
        <translation>Entfernte bisherige Schüler:</translation>
    </message>
    <message>
        <source>Registered passwords cleared:</source>
        <translation>Gelöschte registrierte Passwörter:</translation>
    </message>
    <message>
        <source>Lines to check</source>
        <translation>Zu prüfende Zeilen</translation>
    </message>
    <message>
        <source>First students, as they will be imported</source>
        <translation>Die ersten Schüler, so wie sie importiert werden</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Keep the registered passwords of the students whose ID and name stay the same (%L1)</source>
        <translation>Registrierte Passwörter der Schüler behalten, deren Nummer und Name gleich bleiben (%L1)</translation>
    </message>
    <message>
        <source>as the file&apos;s byte-order mark says</source>
        <translation>wie die Bytereihenfolge-Markierung der Datei angibt</translation>
    </message>
    <message>
        <source>the file is valid UTF-8</source>
        <translation>die Datei ist gültiges UTF-8</translation>
    </message>
    <message>
        <source>NUL bytes in every other place: UTF-16 without a byte-order mark</source>
        <translation>NUL-Bytes an jeder zweiten Stelle: UTF-16 ohne Bytereihenfolge-Markierung</translation>
    </message>
    <message>
        <source>the file is not UTF-8: read as Windows-1252, as spreadsheets on Windows save it; check the names below, or choose another encoding</source>
        <translation>die Datei ist kein UTF-8: gelesen als Windows-1252, wie Tabellenkalkulationen unter Windows speichern; prüfen Sie die Namen unten oder wählen Sie eine andere Kodierung</translation>
    </message>
    <message>
        <source>as chosen</source>
        <translation>wie gewählt</translation>
    </message>
    <message>
        <source>Line %1 is skipped: it has fewer than three fields.</source>
        <translation>Zeile %1 wird übersprungen: Sie hat weniger als drei Felder.</translation>
    </message>
    <message>
        <source>Line %1 is skipped: its ID is empty.</source>
        <translation>Zeile %1 wird übersprungen: Ihre Nummer ist leer.</translation>
    </message>
    <message>
        <source>ID %1 is on lines %2: the last of them counts.</source>
        <translation>Die Nummer %1 steht in den Zeilen %2: Die letzte davon gilt.</translation>
    </message>
    <message>
        <source>Line %1 holds bytes that this encoding cannot read (shown as �).</source>
        <translation>Zeile %1 enthält Bytes, die diese Kodierung nicht lesen kann (angezeigt als �).</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>… und %Ln weitere.</numerusform>
            <numerusform>… und %Ln weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StudentListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Nummer</translation>
    </message>
</context>
<context>
    <name>StudentVerifier</name>
    <message>
        <source>Invalid username.</source>
        <translation>Unbekannte Schülernummer.</translation>
    </message>
    <message>
        <source>The sign-out could not be recorded. Please tell a member of staff.</source>
        <translation>Die Ausleihe konnte nicht gespeichert werden. Bitte sagen Sie einer Lehrkraft Bescheid.</translation>
    </message>
    <message>
        <source>The item is already signed out.</source>
        <translation>Dieses Instrument ist bereits ausgeliehen.</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong passwords for this student ID. Please wait %n seconds or ask a member of staff.</source>
        <translation>
            <numerusform>Zu viele falsche Passwörter für diese Schülernummer. Bitte warten Sie %n Sekunde oder fragen Sie eine Lehrkraft.</numerusform>
            <numerusform>Zu viele falsche Passwörter für diese Schülernummer. Bitte warten Sie %n Sekunden oder fragen Sie eine Lehrkraft.</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message>
        <source>A password was not previously registered for &apos;%1&apos;.
Please re-confirm your password.</source>
        <translation>Für „%1“ wurde noch kein Passwort registriert.
Bitte geben Sie Ihr Passwort zur Bestätigung noch einmal ein.</translation>
    </message>
    <message>
        <source>The passwords did not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Your password could not be saved. Please tell a member of staff.</source>
        <translation>Ihr Passwort konnte nicht gespeichert werden. Bitte sagen Sie einer Lehrkraft Bescheid.</translation>
    </message>
</context>
<context>
    <name>StudentWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Open Student List</source>
        <translation>Schülerliste öffnen</translation>
    </message>
    <message>
        <source>Undo Last Import</source>
        <translation>Letzten Import rückgängig machen</translation>
    </message>
    <message>
        <source>Reset Password(s)</source>
        <translation>Passwort/Passwörter zurücksetzen</translation>
    </message>
    <message>
        <source>Export History...</source>
        <translation>Verlauf exportieren …</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The file holds no student: importing it empties the student list. Import it all the same?</source>
        <translation>Die Datei enthält keinen Schüler: Der Import leert die Schülerliste. Trotzdem importieren?</translation>
    </message>
    <message>
        <source>The student list could not be saved.</source>
        <translation>Die Schülerliste konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Reading the student list...</source>
        <translation>Schülerliste wird gelesen …</translation>
    </message>
    <message>
        <source>Error reading file.</source>
        <translation>Fehler beim Lesen der Datei.</translation>
    </message>
    <message>
        <source>Are you sure you want to put back the student list as it was before the last import? Passwords registered since then are lost.</source>
        <translation>Möchten Sie die Schülerliste wirklich auf den Stand vor dem letzten Import zurücksetzen? Seitdem registrierte Passwörter gehen verloren.</translation>
    </message>
    <message>
        <source>The student list before the last import could not be put back.</source>
        <translation>Die Schülerliste vor dem letzten Import konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>No student is selected.</source>
        <translation>Es ist kein Schüler ausgewählt.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the passwords for the selected students?</source>
        <translation>Möchten Sie die Passwörter der ausgewählten Schüler wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>The passwords could not be reset.</source>
        <translation>Die Passwörter konnten nicht zurückgesetzt werden.</translation>
    </message>
    <message>
        <source>Exporting the history...</source>
        <translation>Verlauf wird exportiert …</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Der Verlauf wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>The history could not be read; nothing was exported.</source>
        <translation>Der Verlauf konnte nicht gelesen werden; es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all history?</source>
        <translation>Möchten Sie wirklich den gesamten Verlauf löschen?</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Der Verlauf konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The list kept before the last import is damaged: the import cannot be undone.</source>
        <translation>Die vor dem letzten Import aufbewahrte Liste ist beschädigt: Der Import kann nicht rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>UsageWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Idle after:</source>
        <translation>Ungenutzt nach:</translation>
    </message>
    <message>
        <source> weeks</source>
        <translation> Wochen</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>By instrument</source>
        <translation>Nach Instrument</translation>
    </message>
    <message>
        <source>Over time</source>
        <translation>Im Zeitverlauf</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Idle copies</source>
        <translation>Ungenutzte Exemplare</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Chart of the sign-outs per instrument; the table below holds its numbers</source>
        <translation>Diagramm der Ausleihen je Instrument; die Tabelle darunter enthält seine Zahlen</translation>
    </message>
    <message>
        <source>Chart of the sign-outs per week; the table below holds its numbers</source>
        <translation>Diagramm der Ausleihen je Woche; die Tabelle darunter enthält seine Zahlen</translation>
    </message>
    <message>
        <source>The history could not be read; the page shows nothing.</source>
        <translation>Der Verlauf konnte nicht gelesen werden; die Seite zeigt nichts.</translation>
    </message>
    <message>
        <source>Usage from %1 to %2</source>
        <translation>Nutzung vom %1 bis %2</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Wörter: %1</translation>
    </message>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The usage was exported to %1.</source>
        <translation>Die Nutzung wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Nutzung</translation>
    </message>
</context>
<context>
    <name>backupSet</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The backup folder %1 is missing or cannot be written to.</source>
        <translation>Der Sicherungsordner %1 fehlt oder ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>The manifest could not be written.</source>
        <translation>Das Manifest konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The backup in %1 could not be written: %2</source>
        <translation>Die Sicherung in %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The set has no readable manifest.</source>
        <translation>Die Sicherung hat kein lesbares Manifest.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 fehlt.</translation>
    </message>
    <message>
        <source>%1 is damaged: it is not the file that was written.</source>
        <translation>%1 ist beschädigt: Es ist nicht die Datei, die geschrieben wurde.</translation>
    </message>
    <message>
        <source>%1 does not read back as the student list written.</source>
        <translation>%1 lässt sich nicht als die geschriebene Schülerliste zurücklesen.</translation>
    </message>
    <message>
        <source>%1 fails SQLite&apos;s integrity check.</source>
        <translation>%1 besteht die Integritätsprüfung von SQLite nicht.</translation>
    </message>
    <message>
        <source>%1 holds %2 rows of version %3, not the %4 of version %5 written.</source>
        <translation>%1 enthält %2 Zeilen der Version %3, nicht die geschriebenen %4 der Version %5.</translation>
    </message>
</context>
<context>
    <name>commandLine</name>
    <message>
        <source>Please give the connection as keywords (host=... dbname=... user=...) without a password: libpq takes the password from a password file (~/.pgpass) or a service file.</source>
        <translation>Bitte geben Sie die Verbindung als Schlüsselwörter an (host=... dbname=... user=...), ohne Passwort: libpq liest das Passwort aus einer Passwortdatei (~/.pgpass) oder einer Dienstdatei.</translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation>Die Einstellungen konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>This kiosk keeps its data in the files of its folder.</source>
        <translation>Dieses Kiosk-Terminal speichert seine Daten in den Dateien seines Ordners.</translation>
    </message>
    <message>
        <source>This kiosk keeps its data in the database &quot;%1&quot;.</source>
        <translation>Dieses Kiosk-Terminal speichert seine Daten in der Datenbank „%1“.</translation>
    </message>
    <message>
        <source>Keep the data in the PostgreSQL database of this libpq connection string, shared with other kiosks (an empty string: in this folder&apos;s files).</source>
        <translation>Die Daten in der PostgreSQL-Datenbank dieser libpq-Verbindungszeichenkette halten, gemeinsam mit anderen Kiosk-Terminals (eine leere Zeichenkette: in den Dateien dieses Ordners).</translation>
    </message>
    <message>
        <source>Copy the inventory, history and student list of this folder into that database, which must be empty.</source>
        <translation>Inventar, Verlauf und Schülerliste dieses Ordners in diese Datenbank kopieren, die leer sein muss.</translation>
    </message>
    <message>
        <source>No database is set: use --database first.</source>
        <translation>Es ist keine Datenbank eingestellt: Verwenden Sie zuerst --database.</translation>
    </message>
    <message>
        <source>Backed up into %1.</source>
        <translation>Gesichert nach %1.</translation>
    </message>
    <message>
        <source>Backups in %1:</source>
        <translation>Sicherungen in %1:</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>unvollständig</translation>
    </message>
    <message>
        <source>good</source>
        <translation>gut</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>fehlerhaft</translation>
    </message>
    <message>
        <source>Close it before restoring a backup.</source>
        <translation>Schließen Sie ihn, bevor Sie eine Sicherung zurückspielen.</translation>
    </message>
    <message>
        <source>Brindlow, the instrument kiosk

The kiosk keeps its data (inventory, history, students.lst) in its working directory. Started from the menu or by brindlow-kiosk, that is ${XDG_DATA_HOME:-~/.local/share}/brindlow/, made on the first start and open to its owner only.</source>
        <translation>Brindlow, der Instrumenten-Kiosk

Der Kiosk speichert seine Daten (inventory, history, students.lst) in seinem Arbeitsverzeichnis. Aus dem Menü oder mit brindlow-kiosk gestartet, ist das ${XDG_DATA_HOME:-~/.local/share}/brindlow/, beim ersten Start angelegt und nur für seinen Besitzer zugänglich.</translation>
    </message>
    <message>
        <source>Back up this folder&apos;s files now, beside a running kiosk or without one.</source>
        <translation>Die Dateien dieses Ordners jetzt sichern, neben einem laufenden Kiosk oder ohne ihn.</translation>
    </message>
    <message>
        <source>List the backups with their moments, sizes and state.</source>
        <translation>Die Sicherungen mit Zeitpunkt, Größe und Zustand auflisten.</translation>
    </message>
    <message>
        <source>Put this backup in place of this folder&apos;s files, which are kept aside; no kiosk may be running here.</source>
        <translation>Diese Sicherung an die Stelle der Dateien dieses Ordners setzen, die beiseitegelegt werden; hier darf kein Kiosk laufen.</translation>
    </message>
    <message>
        <source>Nothing was copied: this folder could not be backed up first.</source>
        <translation>Nichts wurde kopiert: Dieser Ordner konnte vorher nicht gesichert werden.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>historySchema</name>
    <message>
        <source>Preparing the history for fast searching: %1%</source>
        <translation>Verlauf wird für schnelles Suchen vorbereitet: %1 %</translation>
    </message>
    <message>
        <source>Clearing old passwords from the history</source>
        <translation>Alte Passwörter werden aus dem Verlauf gelöscht</translation>
    </message>
    <message>
        <source>Counting the history&apos;s sign-outs for the usage page</source>
        <translation>Die Ausleihen des Verlaufs werden für die Nutzungsseite gezählt</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1
Trying again...</source>
        <translation>%1
Neuer Versuch …</translation>
    </message>
    <message>
        <source>Brindlow is starting</source>
        <translation>Brindlow wird gestartet</translation>
    </message>
</context>
<context>
    <name>moveIntoDatabase</name>
    <message>
        <source>There is no kiosk&apos;s data in this folder: nothing was copied.</source>
        <translation>In diesem Ordner liegen keine Daten eines Kiosk-Terminals: Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>The database holds data already: nothing was copied.</source>
        <translation>Die Datenbank enthält bereits Daten: Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>The copy failed, and nothing was copied; the log says why.</source>
        <translation>Das Kopieren ist fehlgeschlagen, es wurde nichts kopiert; das Protokoll nennt den Grund.</translation>
    </message>
    <message>
        <source>Copied %1 items, %2 students (%3 with a registered password) and %4 sign-outs%5.</source>
        <translation>Kopiert: Instrumente: %1, Schüler: %2 (davon mit registriertem Passwort: %3), Ausleihen: %4%5.</translation>
    </message>
    <message>
        <source> from %1 to %2</source>
        <translation> von %1 bis %2</translation>
    </message>
</context>
<context>
    <name>restoreBackup</name>
    <message>
        <source>The set was made by Brindlow %1, newer than this one (%2).</source>
        <translation>Die Sicherung wurde von Brindlow %1 erstellt, das neuer ist als dieses (%2).</translation>
    </message>
    <message>
        <source>%1 in the set was written by a newer release of Brindlow.</source>
        <translation>%1 in der Sicherung wurde von einer neueren Version von Brindlow geschrieben.</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1: %2 Zeilen</translation>
    </message>
    <message>
        <source>The set holds no file.</source>
        <translation>Die Sicherung enthält keine Datei.</translation>
    </message>
    <message>
        <source>The set %1 is not restored: %2</source>
        <translation>Die Sicherung %1 wird nicht zurückgespielt: %2</translation>
    </message>
    <message>
        <source>%1 could not be made; nothing was changed.</source>
        <translation>%1 konnte nicht angelegt werden; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The set could not be copied into %1; the files there are as they were.</source>
        <translation>Die Sicherung konnte nicht nach %1 kopiert werden; die Dateien dort sind unverändert.</translation>
    </message>
    <message>
        <source>Restored the set of %1 (%2). The files it replaced are in %3.</source>
        <translation>Die Sicherung vom %1 wurde zurückgespielt (%2). Die ersetzten Dateien liegen in %3.</translation>
    </message>
</context>
<context>
    <name>sortMenu</name>
    <message>
        <source>Sort by %1</source>
        <translation>Sortieren nach %1</translation>
    </message>
</context>
<context>
    <name>usageTables</name>
    <message>
        <source>By instrument</source>
        <translation>Nach Instrument</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplare</translation>
    </message>
    <message>
        <source>Sign-outs</source>
        <translation>Ausleihen</translation>
    </message>
    <message>
        <source>Days with a copy out</source>
        <translation>Tage mit einem ausgeliehenen Exemplar</translation>
    </message>
    <message>
        <source>Busiest copy</source>
        <translation>Meistgenutztes Exemplar</translation>
    </message>
    <message>
        <source>Copies never signed out</source>
        <translation>Nie ausgeliehene Exemplare</translation>
    </message>
    <message>
        <source>%1% (%2 of %3 days)</source>
        <translation>%1 % (%2 von %3 Tagen)</translation>
    </message>
    <message>
        <source>#%1 (%2)</source>
        <translation>Nr. %1 (%2)</translation>
    </message>
    <message>
        <source>Sign-outs per week</source>
        <translation>Ausleihen je Woche</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Woche vom</translation>
    </message>
    <message>
        <source>All instruments</source>
        <translation>Alle Instrumente</translation>
    </message>
    <message>
        <source>Sign-outs by weekday and hour</source>
        <translation>Ausleihen nach Wochentag und Stunde</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Idle copies (not signed out for %1 weeks)</source>
        <translation>Ungenutzte Exemplare (seit %1 Wochen nicht ausgeliehen)</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Last sign-out</source>
        <translation>Letzte Ausleihe</translation>
    </message>
    <message>
        <source>Weeks idle</source>
        <translation>Wochen ungenutzt</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Students per instrument</source>
        <translation>Schüler je Instrument</translation>
    </message>
    <message>
        <source>Different students</source>
        <translation>Verschiedene Schüler</translation>
    </message>
</context>
</TS>

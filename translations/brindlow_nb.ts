<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="en">
<context>
    <name>BackupWidget</name>
    <message>
        <source>Back Up Now</source>
        <translation>Ta sikkerhetskopi nå</translation>
    </message>
    <message>
        <source>Backup Folder...</source>
        <translation>Mappe for sikkerhetskopier...</translation>
    </message>
    <message>
        <source>Daily backup after:</source>
        <translation>Daglig sikkerhetskopi etter:</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>A backup folder on the kiosk&apos;s own disk does not survive that disk: choose a USB stick or a network share, and protect it like the kiosk&apos;s data.</source>
        <translation>En mappe for sikkerhetskopier på kioskens egen disk overlever ikke den disken: velg en minnepinne eller en nettverksdeling, og beskytt den som kioskens data.</translation>
    </message>
    <message>
        <source>Backups: by the database server</source>
        <translation>Sikkerhetskopier: tas av databaseserveren</translation>
    </message>
    <message>
        <source>Backing up to %1...</source>
        <translation>Tar sikkerhetskopi til %1...</translation>
    </message>
    <message>
        <source>Backup Folder</source>
        <translation>Mappe for sikkerhetskopier</translation>
    </message>
    <message>
        <source>Last good backup: %1, in %2</source>
        <translation>Siste gode sikkerhetskopi: %1, i %2</translation>
    </message>
    <message>
        <source>No good backup yet in %1.</source>
        <translation>Ingen god sikkerhetskopi ennå i %1.</translation>
    </message>
    <message>
        <source>The last backup failed: %1 Brindlow tries again when the kiosk is next idle.</source>
        <translation>Den siste sikkerhetskopien mislyktes: %1 Brindlow prøver igjen neste gang kiosken står ubrukt.</translation>
    </message>
    <message>
        <source>No good backup for more than two days: is the kiosk never left idle?</source>
        <translation>Ingen god sikkerhetskopi på mer enn to dager: står kiosken aldri ubrukt?</translation>
    </message>
</context>
<context>
    <name>ExportHistoryDialog</name>
    <message>
        <source>Export History</source>
        <translation>Eksporter historikken</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Fra:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Til:</translation>
    </message>
    <message>
        <source>Student words:</source>
        <translation>Ord om eleven:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Elev</translation>
    </message>
    <message>
        <source>Item words:</source>
        <translation>Ord om instrumentet:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Oppføringer:</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksporter …</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>Historikken kan ikke leses.</translation>
    </message>
</context>
<context>
    <name>FileStores</name>
    <message>
        <source>The files in %1, for this kiosk alone</source>
        <translation>Filene i %1, bare for denne kiosken</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Klokkeslett</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Dato/klokkeslett</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Elev</translation>
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
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Fra:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Til:</translation>
    </message>
    <message>
        <source>Student words</source>
        <translation>Ord om eleven</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Elev</translation>
    </message>
    <message>
        <source>Item words</source>
        <translation>Ord om instrumentet</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Sign-outs found</source>
        <translation>Utlån som ble funnet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a date; the range keeps %2.</source>
        <translation>«%1» kunne ikke leses som en dato; perioden beholder %2.</translation>
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
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Instrument:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Fra:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Til:</translation>
    </message>
    <message>
        <source>Add copies</source>
        <translation>Legg til eksemplarer</translation>
    </message>
    <message>
        <source>Remove the selected copies</source>
        <translation>Fjern de valgte eksemplarene</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Print Labels...</source>
        <translation>Skriv ut etiketter …</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Instrumenter</translation>
    </message>
    <message>
        <source>Please type the name of the instrument.</source>
        <translation>Skriv inn navnet på instrumentet.</translation>
    </message>
    <message>
        <source>The items could not be added.</source>
        <translation>Instrumentene kunne ikke legges til.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 og %Ln til</numerusform>
            <numerusform>%1 og %Ln til</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Er du sikker på at du vil slette %1?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete these %Ln copies: %1?</source>
        <translation>
            <numerusform>Er du sikker på at du vil slette dette %Ln eksemplaret: %1?</numerusform>
            <numerusform>Er du sikker på at du vil slette disse %Ln eksemplarene: %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>The items could not be removed.</source>
        <translation>Instrumentene kunne ikke fjernes.</translation>
    </message>
    <message>
        <source>There are no items to print labels for.</source>
        <translation>Det finnes ingen instrumenter å skrive ut etiketter for.</translation>
    </message>
    <message>
        <source>The labels could not be printed.</source>
        <translation>Etikettene kunne ikke skrives ut.</translation>
    </message>
</context>
<context>
    <name>ItemAvailabilityModel</name>
    <message>
        <source>%1 (signed out today)</source>
        <translation>%1 (lånt ut i dag)</translation>
    </message>
    <message>
        <source>Signed out today</source>
        <translation>Lånt ut i dag</translation>
    </message>
</context>
<context>
    <name>KioskLock</name>
    <message>
        <source>Brindlow is already running in the folder %1.</source>
        <translation>Brindlow kjører allerede i mappen %1.</translation>
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
        <translation>Lån instrumenter og se en logg over dagens utlån.</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Lån ut</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Sign Out&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Sign out instruments, and view a log of today&apos;s activity.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Lån ut&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Lån instrumenter og se en logg over dagens utlån.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>View a log of all activity over the past year, and search for specific entries.</source>
        <translation>Se en logg over alt det siste året, og søk etter bestemte oppføringer.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historikk</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;History&lt;/span&gt;&lt;/p&gt;&lt;p&gt;View a log of all activity over the past year, and search for specific entries.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Historikk&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Se en logg over alt det siste året, og søk etter bestemte oppføringer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Administrasjon</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Endre passord</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Fullskjerm av/på</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong administrator passwords. Please wait %n seconds.</source>
        <translation>
            <numerusform>For mange feil administratorpassord. Vent %n sekund.</numerusform>
            <numerusform>For mange feil administratorpassord. Vent %n sekunder.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please verify the administrator password.</source>
        <translation>Bekreft administratorpassordet.</translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Feil passord.</translation>
    </message>
    <message>
        <source>Please enter the new password.</source>
        <translation>Skriv inn det nye passordet.</translation>
    </message>
    <message>
        <source>Without a password, anyone at the kiosk can open the settings and close Brindlow. Remove the administrator password?</source>
        <translation>Uten passord kan alle ved kiosken åpne innstillingene og lukke Brindlow. Vil du fjerne administratorpassordet?</translation>
    </message>
    <message>
        <source>Please enter the new password again.</source>
        <translation>Skriv inn det nye passordet en gang til.</translation>
    </message>
    <message>
        <source>The passwords did not match. The administrator password has not been changed.</source>
        <translation>Passordene var ikke like. Administratorpassordet er ikke endret.</translation>
    </message>
    <message>
        <source>The administrator password could not be changed.</source>
        <translation>Administratorpassordet kunne ikke endres.</translation>
    </message>
</context>
<context>
    <name>PostgresDatabase</name>
    <message>
        <source>Cannot reach the kiosks&apos; database.</source>
        <translation>Får ikke kontakt med kioskenes database.</translation>
    </message>
    <message>
        <source>The database was set up by a newer version of Brindlow. Please install that version on this computer too.</source>
        <translation>Databasen ble satt opp av en nyere versjon av Brindlow. Installer den versjonen på denne datamaskinen også.</translation>
    </message>
    <message>
        <source>The database could not be set up: %1</source>
        <translation>Databasen kunne ikke settes opp: %1</translation>
    </message>
</context>
<context>
    <name>PostgresStores</name>
    <message>
        <source>The PostgreSQL database &quot;%1&quot;, shared with other kiosks</source>
        <translation>PostgreSQL-databasen «%1», delt med andre kiosker</translation>
    </message>
</context>
<context>
    <name>PrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Forhåndsvisning:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>ddd MMM d yyyy</source>
        <comment>date format</comment>
        <translation>dddd d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Summary for %1</source>
        <translation>Oversikt for %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Klokkeslett</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Elev</translation>
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
        <translation>Innstillinger: start</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Hva vil du gjøre?</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventar</translation>
    </message>
    <message>
        <source>Add or remove items in the inventory.</source>
        <translation>Legg til eller fjern instrumenter i inventaret.</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Elever</translation>
    </message>
    <message>
        <source>Update the student list, reset a student&apos;s password, or clear all history.</source>
        <translation>Oppdater elevlisten, tilbakestill passordet til en elev, eller tøm hele historikken.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Utskrift</translation>
    </message>
    <message>
        <source>Print today&apos;s summary.</source>
        <translation>Skriv ut dagens oversikt.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Språk:</translation>
    </message>
    <message>
        <source>The language of every page; the change applies at once.</source>
        <translation>Språket på alle sidene; endringen gjelder med en gang.</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Som systemet</translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>No administrator password: anyone at the kiosk can open these pages and close Brindlow. Admin &gt; Change Password sets one.</source>
        <translation>Ingen administratorpassord: Alle ved kiosken kan åpne disse sidene og lukke Brindlow. Administrasjon &gt; Endre passord setter et.</translation>
    </message>
    <message>
        <source>Brindlow %1</source>
        <translation>Brindlow %1</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>See which instruments sit idle, which are always out and when the desk is busy.</source>
        <translation>Se hvilke instrumenter som står ubrukt, hvilke som alltid er utlånt, og når det er travelt ved skranken.</translation>
    </message>
</context>
<context>
    <name>SignOutWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Elev</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Elevnummer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Lån ut</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>Today&apos;s sign-outs</source>
        <translation>Dagens utlån</translation>
    </message>
    <message>
        <source>Please scan the label again.</source>
        <translation>Skann etiketten på nytt.</translation>
    </message>
    <message>
        <source>The item is already signed out.</source>
        <translation>Instrumentet er allerede lånt ut.</translation>
    </message>
    <message>
        <source>The sign-out could not be recorded. Please tell a member of staff.</source>
        <translation>Utlånet kunne ikke registreres. Si fra til en ansatt.</translation>
    </message>
    <message>
        <source>%1 signed out %2</source>
        <translation>%1 lånte %2</translation>
    </message>
    <message>
        <source>%1 is no longer in the inventory.</source>
        <translation>%1 er ikke lenger i inventaret.</translation>
    </message>
    <message>
        <source>The student ID cannot be empty.</source>
        <translation>Elevnummeret kan ikke være tomt.</translation>
    </message>
    <message>
        <source>The password cannot be empty.</source>
        <translation>Passordet kan ikke være tomt.</translation>
    </message>
    <message>
        <source>Please choose an instrument.</source>
        <translation>Velg et instrument.</translation>
    </message>
</context>
<context>
    <name>SqliteTable</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a database (is it damaged?). Please tell a member of staff.</source>
        <translation>Filen «%1» kan ikke leses som en database (er den skadet?). Si fra til en ansatt.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was written by a newer version of Brindlow. Please install that version on this computer too.</source>
        <translation>Filen «%1» ble skrevet av en nyere versjon av Brindlow. Installer den versjonen på denne datamaskinen også.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be rewritten to remove old data from its free space (is the disk full?). Brindlow tries again at its next start.</source>
        <translation>Filen «%1» kunne ikke skrives på nytt for å fjerne gamle data fra den ledige plassen (er disken full?). Brindlow prøver igjen ved neste oppstart.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be brought up to date (is the disk full or the folder read-only?). Please tell a member of staff.</source>
        <translation>Filen «%1» kunne ikke oppdateres (er disken full eller mappen skrivebeskyttet?). Si fra til en ansatt.</translation>
    </message>
</context>
<context>
    <name>StudentImportDialog</name>
    <message>
        <source>Import Student List</source>
        <translation>Importer elevlisten</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fil:</translation>
    </message>
    <message>
        <source>Read as:</source>
        <translation>Lest som:</translation>
    </message>
    <message>
        <source>Students read:</source>
        <translation>Elever lest:</translation>
    </message>
    <message>
        <source>Current students removed:</source>
        <translation>Nåværende elever fjernet:</translation>
    </message>
    <message>
        <source>Registered passwords cleared:</source>
        <translation>Registrerte passord fjernet:</translation>
    </message>
    <message>
        <source>Lines to check</source>
        <translation>Linjer å sjekke</translation>
    </message>
    <message>
        <source>First students, as they will be imported</source>
        <translation>De første elevene, slik de blir importert</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linje</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Keep the registered passwords of the students whose ID and name stay the same (%L1)</source>
        <translation>Behold de registrerte passordene til elevene som har samme nummer og navn (%L1)</translation>
    </message>
    <message>
        <source>as the file&apos;s byte-order mark says</source>
        <translation>slik filens byte-rekkefølgemerke sier</translation>
    </message>
    <message>
        <source>the file is valid UTF-8</source>
        <translation>filen er gyldig UTF-8</translation>
    </message>
    <message>
        <source>NUL bytes in every other place: UTF-16 without a byte-order mark</source>
        <translation>NUL-byte på annenhver plass: UTF-16 uten byte-rekkefølgemerke</translation>
    </message>
    <message>
        <source>the file is not UTF-8: read as Windows-1252, as spreadsheets on Windows save it; check the names below, or choose another encoding</source>
        <translation>filen er ikke UTF-8: lest som Windows-1252, slik regneark på Windows lagrer den; sjekk navnene nedenfor, eller velg en annen koding</translation>
    </message>
    <message>
        <source>as chosen</source>
        <translation>som valgt</translation>
    </message>
    <message>
        <source>Line %1 is skipped: it has fewer than three fields.</source>
        <translation>Linje %1 hoppes over: Den har færre enn tre felt.</translation>
    </message>
    <message>
        <source>Line %1 is skipped: its ID is empty.</source>
        <translation>Linje %1 hoppes over: Nummeret er tomt.</translation>
    </message>
    <message>
        <source>ID %1 is on lines %2: the last of them counts.</source>
        <translation>Nummer %1 står på linjene %2: Den siste av dem gjelder.</translation>
    </message>
    <message>
        <source>Line %1 holds bytes that this encoding cannot read (shown as �).</source>
        <translation>Linje %1 inneholder byte som denne kodingen ikke kan lese (vist som �).</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>… og %Ln til.</numerusform>
            <numerusform>… og %Ln til.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StudentListModel</name>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
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
        <translation>Ukjent elevnummer.</translation>
    </message>
    <message>
        <source>The sign-out could not be recorded. Please tell a member of staff.</source>
        <translation>Utlånet kunne ikke registreres. Si fra til en ansatt.</translation>
    </message>
    <message>
        <source>The item is already signed out.</source>
        <translation>Instrumentet er allerede lånt ut.</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong passwords for this student ID. Please wait %n seconds or ask a member of staff.</source>
        <translation>
            <numerusform>For mange feil passord for dette elevnummeret. Vent %n sekund, eller spør en ansatt.</numerusform>
            <numerusform>For mange feil passord for dette elevnummeret. Vent %n sekunder, eller spør en ansatt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Feil passord.</translation>
    </message>
    <message>
        <source>A password was not previously registered for &apos;%1&apos;.
Please re-confirm your password.</source>
        <translation>Det var ikke registrert noe passord for «%1» fra før.
Bekreft passordet ditt ved å skrive det en gang til.</translation>
    </message>
    <message>
        <source>The passwords did not match.</source>
        <translation>Passordene var ikke like.</translation>
    </message>
    <message>
        <source>Your password could not be saved. Please tell a member of staff.</source>
        <translation>Passordet ditt kunne ikke lagres. Si fra til en ansatt.</translation>
    </message>
</context>
<context>
    <name>StudentWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Open Student List</source>
        <translation>Åpne elevliste</translation>
    </message>
    <message>
        <source>Undo Last Import</source>
        <translation>Angre siste import</translation>
    </message>
    <message>
        <source>Reset Password(s)</source>
        <translation>Tilbakestill passord</translation>
    </message>
    <message>
        <source>Export History...</source>
        <translation>Eksporter historikken …</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Tøm historikken</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Elever</translation>
    </message>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <source>The file holds no student: importing it empties the student list. Import it all the same?</source>
        <translation>Filen inneholder ingen elever: Importen tømmer elevlisten. Vil du importere den likevel?</translation>
    </message>
    <message>
        <source>The student list could not be saved.</source>
        <translation>Elevlisten kunne ikke lagres.</translation>
    </message>
    <message>
        <source>Reading the student list...</source>
        <translation>Leser elevlisten …</translation>
    </message>
    <message>
        <source>Error reading file.</source>
        <translation>Feil ved lesing av filen.</translation>
    </message>
    <message>
        <source>Are you sure you want to put back the student list as it was before the last import? Passwords registered since then are lost.</source>
        <translation>Er du sikker på at du vil sette tilbake elevlisten slik den var før siste import? Passord som er registrert siden da, går tapt.</translation>
    </message>
    <message>
        <source>The student list before the last import could not be put back.</source>
        <translation>Elevlisten fra før siste import kunne ikke settes tilbake.</translation>
    </message>
    <message>
        <source>No student is selected.</source>
        <translation>Ingen elev er valgt.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the passwords for the selected students?</source>
        <translation>Er du sikker på at du vil tilbakestille passordene til de valgte elevene?</translation>
    </message>
    <message>
        <source>The passwords could not be reset.</source>
        <translation>Passordene kunne ikke tilbakestilles.</translation>
    </message>
    <message>
        <source>Exporting the history...</source>
        <translation>Eksporterer historikken …</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Historikken ble eksportert til %1.</translation>
    </message>
    <message>
        <source>The history could not be read; nothing was exported.</source>
        <translation>Historikken kunne ikke leses; ingenting ble eksportert.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kunne ikke skrives: %2</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all history?</source>
        <translation>Er du sikker på at du vil tømme hele historikken?</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Historikken kunne ikke tømmes.</translation>
    </message>
    <message>
        <source>The list kept before the last import is damaged: the import cannot be undone.</source>
        <translation>Listen som ble tatt vare på før siste import, er skadet: Importen kan ikke angres.</translation>
    </message>
</context>
<context>
    <name>UsageWidget</name>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Fra:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Til:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Elev</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Idle after:</source>
        <translation>Ubrukt etter:</translation>
    </message>
    <message>
        <source> weeks</source>
        <translation> uker</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Skriv ut …</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksporter …</translation>
    </message>
    <message>
        <source>By instrument</source>
        <translation>Etter instrument</translation>
    </message>
    <message>
        <source>Over time</source>
        <translation>Over tid</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Når</translation>
    </message>
    <message>
        <source>Idle copies</source>
        <translation>Ubrukte eksemplarer</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Elever</translation>
    </message>
    <message>
        <source>Chart of the sign-outs per instrument; the table below holds its numbers</source>
        <translation>Diagram over utlån per instrument; tabellen under har tallene</translation>
    </message>
    <message>
        <source>Chart of the sign-outs per week; the table below holds its numbers</source>
        <translation>Diagram over utlån per uke; tabellen under har tallene</translation>
    </message>
    <message>
        <source>The history could not be read; the page shows nothing.</source>
        <translation>Historikken kunne ikke leses; siden viser ingenting.</translation>
    </message>
    <message>
        <source>Usage from %1 to %2</source>
        <translation>Bruk fra %1 til %2</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Ord: %1</translation>
    </message>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <source>The usage was exported to %1.</source>
        <translation>Bruken ble eksportert til %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kunne ikke skrives: %2</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Bruk</translation>
    </message>
</context>
<context>
    <name>backupSet</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 kunne ikke åpnes.</translation>
    </message>
    <message>
        <source>The backup folder %1 is missing or cannot be written to.</source>
        <translation>Mappen for sikkerhetskopier %1 mangler eller kan ikke skrives til.</translation>
    </message>
    <message>
        <source>The manifest could not be written.</source>
        <translation>Manifestet kunne ikke skrives.</translation>
    </message>
    <message>
        <source>The backup in %1 could not be written: %2</source>
        <translation>Sikkerhetskopien i %1 kunne ikke skrives: %2</translation>
    </message>
    <message>
        <source>The set has no readable manifest.</source>
        <translation>Sikkerhetskopien har ikke noe lesbart manifest.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 mangler.</translation>
    </message>
    <message>
        <source>%1 is damaged: it is not the file that was written.</source>
        <translation>%1 er skadet: det er ikke filen som ble skrevet.</translation>
    </message>
    <message>
        <source>%1 does not read back as the student list written.</source>
        <translation>%1 leses ikke tilbake som elevlisten som ble skrevet.</translation>
    </message>
    <message>
        <source>%1 fails SQLite&apos;s integrity check.</source>
        <translation>%1 består ikke SQLites integritetskontroll.</translation>
    </message>
    <message>
        <source>%1 holds %2 rows of version %3, not the %4 of version %5 written.</source>
        <translation>%1 har %2 rader av versjon %3, ikke de %4 av versjon %5 som ble skrevet.</translation>
    </message>
</context>
<context>
    <name>commandLine</name>
    <message>
        <source>Please give the connection as keywords (host=... dbname=... user=...) without a password: libpq takes the password from a password file (~/.pgpass) or a service file.</source>
        <translation>Oppgi tilkoblingen som nøkkelord (host=... dbname=... user=...) uten passord: libpq henter passordet fra en passordfil (~/.pgpass) eller en tjenestefil.</translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation>Innstillingene kunne ikke skrives.</translation>
    </message>
    <message>
        <source>This kiosk keeps its data in the files of its folder.</source>
        <translation>Denne kiosken lagrer dataene sine i filene i sin egen mappe.</translation>
    </message>
    <message>
        <source>This kiosk keeps its data in the database &quot;%1&quot;.</source>
        <translation>Denne kiosken lagrer dataene sine i databasen «%1».</translation>
    </message>
    <message>
        <source>Keep the data in the PostgreSQL database of this libpq connection string, shared with other kiosks (an empty string: in this folder&apos;s files).</source>
        <translation>Lagre dataene i PostgreSQL-databasen til denne libpq-tilkoblingsstrengen, delt med andre kiosker (en tom streng: i filene i denne mappen).</translation>
    </message>
    <message>
        <source>Copy the inventory, history and student list of this folder into that database, which must be empty.</source>
        <translation>Kopier inventaret, historikken og elevlisten i denne mappen til den databasen, som må være tom.</translation>
    </message>
    <message>
        <source>No database is set: use --database first.</source>
        <translation>Ingen database er satt: Bruk --database først.</translation>
    </message>
    <message>
        <source>Backed up into %1.</source>
        <translation>Sikkerhetskopiert til %1.</translation>
    </message>
    <message>
        <source>Backups in %1:</source>
        <translation>Sikkerhetskopier i %1:</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>ufullstendig</translation>
    </message>
    <message>
        <source>good</source>
        <translation>god</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>skadet</translation>
    </message>
    <message>
        <source>Close it before restoring a backup.</source>
        <translation>Lukk den før du gjenoppretter en sikkerhetskopi.</translation>
    </message>
    <message>
        <source>Brindlow, the instrument kiosk

The kiosk keeps its data (inventory, history, students.lst) in its working directory. Started from the menu or by brindlow-kiosk, that is ${XDG_DATA_HOME:-~/.local/share}/brindlow/, made on the first start and open to its owner only.</source>
        <translation>Brindlow, instrumentkiosken

Kiosken lagrer dataene sine (inventory, history, students.lst) i arbeidsmappen sin. Startet fra menyen eller med brindlow-kiosk er det ${XDG_DATA_HOME:-~/.local/share}/brindlow/, som lages ved første start og bare er åpen for eieren.</translation>
    </message>
    <message>
        <source>Back up this folder&apos;s files now, beside a running kiosk or without one.</source>
        <translation>Ta sikkerhetskopi av filene i denne mappen nå, med eller uten en kiosk som kjører.</translation>
    </message>
    <message>
        <source>List the backups with their moments, sizes and state.</source>
        <translation>List opp sikkerhetskopiene med tidspunkt, størrelse og tilstand.</translation>
    </message>
    <message>
        <source>Put this backup in place of this folder&apos;s files, which are kept aside; no kiosk may be running here.</source>
        <translation>Sett denne sikkerhetskopien i stedet for filene i denne mappen, som legges til side; ingen kiosk kan kjøre her.</translation>
    </message>
    <message>
        <source>Nothing was copied: this folder could not be backed up first.</source>
        <translation>Ingenting ble kopiert: denne mappen kunne ikke sikkerhetskopieres først.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>historySchema</name>
    <message>
        <source>Preparing the history for fast searching: %1%</source>
        <translation>Gjør historikken klar for raskt søk: %1 %</translation>
    </message>
    <message>
        <source>Clearing old passwords from the history</source>
        <translation>Fjerner gamle passord fra historikken</translation>
    </message>
    <message>
        <source>Counting the history&apos;s sign-outs for the usage page</source>
        <translation>Teller historikkens utlån for brukssiden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1
Trying again...</source>
        <translation>%1
Prøver igjen …</translation>
    </message>
    <message>
        <source>Brindlow is starting</source>
        <translation>Brindlow starter</translation>
    </message>
</context>
<context>
    <name>moveIntoDatabase</name>
    <message>
        <source>There is no kiosk&apos;s data in this folder: nothing was copied.</source>
        <translation>Det finnes ingen kioskdata i denne mappen: Ingenting ble kopiert.</translation>
    </message>
    <message>
        <source>The database holds data already: nothing was copied.</source>
        <translation>Databasen inneholder allerede data: Ingenting ble kopiert.</translation>
    </message>
    <message>
        <source>The copy failed, and nothing was copied; the log says why.</source>
        <translation>Kopieringen mislyktes, og ingenting ble kopiert; loggen forteller hvorfor.</translation>
    </message>
    <message>
        <source>Copied %1 items, %2 students (%3 with a registered password) and %4 sign-outs%5.</source>
        <translation>Kopiert: instrumenter: %1, elever: %2 (med registrert passord: %3), utlån: %4%5.</translation>
    </message>
    <message>
        <source> from %1 to %2</source>
        <translation> fra %1 til %2</translation>
    </message>
</context>
<context>
    <name>restoreBackup</name>
    <message>
        <source>The set was made by Brindlow %1, newer than this one (%2).</source>
        <translation>Sikkerhetskopien ble laget av Brindlow %1, som er nyere enn denne (%2).</translation>
    </message>
    <message>
        <source>%1 in the set was written by a newer release of Brindlow.</source>
        <translation>%1 i sikkerhetskopien ble skrevet av en nyere versjon av Brindlow.</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1: %2 rader</translation>
    </message>
    <message>
        <source>The set holds no file.</source>
        <translation>Sikkerhetskopien inneholder ingen fil.</translation>
    </message>
    <message>
        <source>The set %1 is not restored: %2</source>
        <translation>Sikkerhetskopien %1 gjenopprettes ikke: %2</translation>
    </message>
    <message>
        <source>%1 could not be made; nothing was changed.</source>
        <translation>%1 kunne ikke lages; ingenting ble endret.</translation>
    </message>
    <message>
        <source>The set could not be copied into %1; the files there are as they were.</source>
        <translation>Sikkerhetskopien kunne ikke kopieres til %1; filene der er som de var.</translation>
    </message>
    <message>
        <source>Restored the set of %1 (%2). The files it replaced are in %3.</source>
        <translation>Sikkerhetskopien fra %1 er gjenopprettet (%2). Filene den erstattet ligger i %3.</translation>
    </message>
</context>
<context>
    <name>sortMenu</name>
    <message>
        <source>Sort by %1</source>
        <translation>Sorter etter %1</translation>
    </message>
</context>
<context>
    <name>usageTables</name>
    <message>
        <source>By instrument</source>
        <translation>Etter instrument</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Eksemplarer</translation>
    </message>
    <message>
        <source>Sign-outs</source>
        <translation>Utlån</translation>
    </message>
    <message>
        <source>Days with a copy out</source>
        <translation>Dager med et eksemplar utlånt</translation>
    </message>
    <message>
        <source>Busiest copy</source>
        <translation>Mest brukte eksemplar</translation>
    </message>
    <message>
        <source>Copies never signed out</source>
        <translation>Eksemplarer aldri utlånt</translation>
    </message>
    <message>
        <source>%1% (%2 of %3 days)</source>
        <translation>%1 % (%2 av %3 dager)</translation>
    </message>
    <message>
        <source>#%1 (%2)</source>
        <translation>nr. %1 (%2)</translation>
    </message>
    <message>
        <source>Sign-outs per week</source>
        <translation>Utlån per uke</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Uke fra</translation>
    </message>
    <message>
        <source>All instruments</source>
        <translation>Alle instrumenter</translation>
    </message>
    <message>
        <source>Sign-outs by weekday and hour</source>
        <translation>Utlån etter ukedag og time</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Idle copies (not signed out for %1 weeks)</source>
        <translation>Ubrukte eksemplarer (ikke utlånt på %1 uker)</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Last sign-out</source>
        <translation>Siste utlån</translation>
    </message>
    <message>
        <source>Weeks idle</source>
        <translation>Uker ubrukt</translation>
    </message>
    <message>
        <source>never</source>
        <translation>aldri</translation>
    </message>
    <message>
        <source>Students per instrument</source>
        <translation>Elever per instrument</translation>
    </message>
    <message>
        <source>Different students</source>
        <translation>Ulike elever</translation>
    </message>
</context>
</TS>

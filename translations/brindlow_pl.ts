<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BackupWidget</name>
    <message>
        <source>Back Up Now</source>
        <translation>Utwórz kopię teraz</translation>
    </message>
    <message>
        <source>Backup Folder...</source>
        <translation>Folder kopii zapasowych...</translation>
    </message>
    <message>
        <source>Daily backup after:</source>
        <translation>Codzienna kopia po:</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>A backup folder on the kiosk&apos;s own disk does not survive that disk: choose a USB stick or a network share, and protect it like the kiosk&apos;s data.</source>
        <translation>Folder kopii zapasowych na dysku kiosku nie przetrwa awarii tego dysku: wybierz pamięć USB lub udział sieciowy i chroń go tak jak dane kiosku.</translation>
    </message>
    <message>
        <source>Backups: by the database server</source>
        <translation>Kopie zapasowe: wykonuje serwer bazy danych</translation>
    </message>
    <message>
        <source>Backing up to %1...</source>
        <translation>Tworzenie kopii w %1...</translation>
    </message>
    <message>
        <source>Backup Folder</source>
        <translation>Folder kopii zapasowych</translation>
    </message>
    <message>
        <source>Last good backup: %1, in %2</source>
        <translation>Ostatnia poprawna kopia: %1, w %2</translation>
    </message>
    <message>
        <source>No good backup yet in %1.</source>
        <translation>W %1 nie ma jeszcze poprawnej kopii.</translation>
    </message>
    <message>
        <source>The last backup failed: %1 Brindlow tries again when the kiosk is next idle.</source>
        <translation>Ostatnia kopia nie powiodła się: %1 Brindlow spróbuje ponownie, gdy kiosk znów będzie bezczynny.</translation>
    </message>
    <message>
        <source>No good backup for more than two days: is the kiosk never left idle?</source>
        <translation>Brak poprawnej kopii od ponad dwóch dni: czy kiosk nigdy nie jest bezczynny?</translation>
    </message>
</context>
<context>
    <name>ExportHistoryDialog</name>
    <message>
        <source>Export History</source>
        <translation>Eksportuj historię</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Student words:</source>
        <translation>Słowa o uczniu:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Uczeń</translation>
    </message>
    <message>
        <source>Item words:</source>
        <translation>Słowa o instrumencie:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Wpisy:</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>Nie można odczytać historii.</translation>
    </message>
</context>
<context>
    <name>FileStores</name>
    <message>
        <source>The files in %1, for this kiosk alone</source>
        <translation>Pliki w %1, tylko dla tego kiosku</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Data/godzina</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Uczeń</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Student words</source>
        <translation>Słowa o uczniu</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Uczeń</translation>
    </message>
    <message>
        <source>Item words</source>
        <translation>Słowa o instrumencie</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Sign-outs found</source>
        <translation>Znalezione wypożyczenia</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a date; the range keeps %2.</source>
        <translation>„%1” nie jest czytelną datą; zakres pozostaje przy %2.</translation>
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
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Instrument:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Add copies</source>
        <translation>Dodaj egzemplarze</translation>
    </message>
    <message>
        <source>Remove the selected copies</source>
        <translation>Usuń zaznaczone egzemplarze</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Print Labels...</source>
        <translation>Drukuj etykiety…</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Instrumenty</translation>
    </message>
    <message>
        <source>Please type the name of the instrument.</source>
        <translation>Wpisz nazwę instrumentu.</translation>
    </message>
    <message>
        <source>The items could not be added.</source>
        <translation>Nie udało się dodać instrumentów.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 i %Ln inny</numerusform>
            <numerusform>%1 i %Ln inne</numerusform>
            <numerusform>%1 i %Ln innych</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Czy na pewno usunąć %1?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete these %Ln copies: %1?</source>
        <translation>
            <numerusform>Czy na pewno usunąć %Ln egzemplarz: %1?</numerusform>
            <numerusform>Czy na pewno usunąć te %Ln egzemplarze: %1?</numerusform>
            <numerusform>Czy na pewno usunąć tych %Ln egzemplarzy: %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>The items could not be removed.</source>
        <translation>Nie udało się usunąć instrumentów.</translation>
    </message>
    <message>
        <source>There are no items to print labels for.</source>
        <translation>Nie ma instrumentów, dla których można wydrukować etykiety.</translation>
    </message>
    <message>
        <source>The labels could not be printed.</source>
        <translation>Nie udało się wydrukować etykiet.</translation>
    </message>
</context>
<context>
    <name>ItemAvailabilityModel</name>
    <message>
        <source>%1 (signed out today)</source>
        <translation>%1 (wypożyczony dzisiaj)</translation>
    </message>
    <message>
        <source>Signed out today</source>
        <translation>Wypożyczony dzisiaj</translation>
    </message>
</context>
<context>
    <name>KioskLock</name>
    <message>
        <source>Brindlow is already running in the folder %1.</source>
        <translation>Brindlow jest już uruchomiony w folderze %1.</translation>
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
        <translation>Wypożyczaj instrumenty i przeglądaj dzisiejsze wypożyczenia.</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Wypożycz</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Sign Out&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Sign out instruments, and view a log of today&apos;s activity.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Wypożycz&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Wypożyczaj instrumenty i przeglądaj dzisiejsze wypożyczenia.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>View a log of all activity over the past year, and search for specific entries.</source>
        <translation>Przeglądaj wszystkie wypożyczenia z ostatniego roku i wyszukuj konkretne wpisy.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;History&lt;/span&gt;&lt;/p&gt;&lt;p&gt;View a log of all activity over the past year, and search for specific entries.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Historia&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Przeglądaj wszystkie wypożyczenia z ostatniego roku i wyszukuj konkretne wpisy.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Administracja</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Zmień hasło</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Pełny ekran wł./wył.</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong administrator passwords. Please wait %n seconds.</source>
        <translation>
            <numerusform>Zbyt wiele błędnych haseł administratora. Zaczekaj %n sekundę.</numerusform>
            <numerusform>Zbyt wiele błędnych haseł administratora. Zaczekaj %n sekundy.</numerusform>
            <numerusform>Zbyt wiele błędnych haseł administratora. Zaczekaj %n sekund.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please verify the administrator password.</source>
        <translation>Potwierdź hasło administratora.</translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Nieprawidłowe hasło.</translation>
    </message>
    <message>
        <source>Please enter the new password.</source>
        <translation>Wpisz nowe hasło.</translation>
    </message>
    <message>
        <source>Without a password, anyone at the kiosk can open the settings and close Brindlow. Remove the administrator password?</source>
        <translation>Bez hasła każdy przy kiosku może otworzyć ustawienia i zamknąć Brindlow. Usunąć hasło administratora?</translation>
    </message>
    <message>
        <source>Please enter the new password again.</source>
        <translation>Wpisz nowe hasło jeszcze raz.</translation>
    </message>
    <message>
        <source>The passwords did not match. The administrator password has not been changed.</source>
        <translation>Hasła nie są zgodne. Hasło administratora nie zostało zmienione.</translation>
    </message>
    <message>
        <source>The administrator password could not be changed.</source>
        <translation>Nie udało się zmienić hasła administratora.</translation>
    </message>
</context>
<context>
    <name>PostgresDatabase</name>
    <message>
        <source>Cannot reach the kiosks&apos; database.</source>
        <translation>Brak połączenia z bazą danych kiosków.</translation>
    </message>
    <message>
        <source>The database was set up by a newer version of Brindlow. Please install that version on this computer too.</source>
        <translation>Baza danych została utworzona przez nowszą wersję Brindlow. Zainstaluj tę wersję także na tym komputerze.</translation>
    </message>
    <message>
        <source>The database could not be set up: %1</source>
        <translation>Nie udało się przygotować bazy danych: %1</translation>
    </message>
</context>
<context>
    <name>PostgresStores</name>
    <message>
        <source>The PostgreSQL database &quot;%1&quot;, shared with other kiosks</source>
        <translation>Baza danych PostgreSQL „%1”, wspólna z innymi kioskami</translation>
    </message>
</context>
<context>
    <name>PrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Podgląd:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>ddd MMM d yyyy</source>
        <comment>date format</comment>
        <translation>dddd, d MMMM yyyy</translation>
    </message>
    <message>
        <source>Summary for %1</source>
        <translation>Podsumowanie: %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Uczeń</translation>
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
        <translation>Ustawienia: start</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Co chcesz zrobić?</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inwentarz</translation>
    </message>
    <message>
        <source>Add or remove items in the inventory.</source>
        <translation>Dodawaj lub usuwaj instrumenty z inwentarza.</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Uczniowie</translation>
    </message>
    <message>
        <source>Update the student list, reset a student&apos;s password, or clear all history.</source>
        <translation>Zaktualizuj listę uczniów, zresetuj hasło ucznia lub wyczyść całą historię.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>Print today&apos;s summary.</source>
        <translation>Wydrukuj dzisiejsze podsumowanie.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Język:</translation>
    </message>
    <message>
        <source>The language of every page; the change applies at once.</source>
        <translation>Język wszystkich stron; zmiana działa od razu.</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Jak w systemie</translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Dane: %1</translation>
    </message>
    <message>
        <source>No administrator password: anyone at the kiosk can open these pages and close Brindlow. Admin &gt; Change Password sets one.</source>
        <translation>Brak hasła administratora: każdy przy kiosku może otworzyć te strony i zamknąć Brindlow. Hasło ustawisz w menu Administracja &gt; Zmień hasło.</translation>
    </message>
    <message>
        <source>Brindlow %1</source>
        <translation>Brindlow %1</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Wykorzystanie</translation>
    </message>
    <message>
        <source>See which instruments sit idle, which are always out and when the desk is busy.</source>
        <translation>Zobacz, które instrumenty leżą nieużywane, które są stale wypożyczone i kiedy przy ladzie jest najwięcej ruchu.</translation>
    </message>
</context>
<context>
    <name>SignOutWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Uczeń</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Numer ucznia</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Wypożycz</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Today&apos;s sign-outs</source>
        <translation>Dzisiejsze wypożyczenia</translation>
    </message>
    <message>
        <source>Please scan the label again.</source>
        <translation>Zeskanuj etykietę jeszcze raz.</translation>
    </message>
    <message>
        <source>The item is already signed out.</source>
        <translation>Ten instrument jest już wypożyczony.</translation>
    </message>
    <message>
        <source>The sign-out could not be recorded. Please tell a member of staff.</source>
        <translation>Nie udało się zapisać wypożyczenia. Powiedz o tym komuś z personelu.</translation>
    </message>
    <message>
        <source>%1 signed out %2</source>
        <translation>%1 wypożycza: %2</translation>
    </message>
    <message>
        <source>%1 is no longer in the inventory.</source>
        <translation>%1 nie ma już w inwentarzu.</translation>
    </message>
    <message>
        <source>The student ID cannot be empty.</source>
        <translation>Numer ucznia nie może być pusty.</translation>
    </message>
    <message>
        <source>The password cannot be empty.</source>
        <translation>Hasło nie może być puste.</translation>
    </message>
    <message>
        <source>Please choose an instrument.</source>
        <translation>Wybierz instrument.</translation>
    </message>
</context>
<context>
    <name>SqliteTable</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a database (is it damaged?). Please tell a member of staff.</source>
        <translation>Pliku „%1” nie można odczytać jako bazy danych (czy jest uszkodzony?). Powiedz o tym komuś z personelu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was written by a newer version of Brindlow. Please install that version on this computer too.</source>
        <translation>Plik „%1” został zapisany przez nowszą wersję Brindlow. Zainstaluj tę wersję także na tym komputerze.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be rewritten to remove old data from its free space (is the disk full?). Brindlow tries again at its next start.</source>
        <translation>Nie udało się przepisać pliku „%1”, aby usunąć stare dane z jego wolnego miejsca (czy dysk jest pełny?). Brindlow spróbuje ponownie przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be brought up to date (is the disk full or the folder read-only?). Please tell a member of staff.</source>
        <translation>Nie udało się zaktualizować pliku „%1” (czy dysk jest pełny albo folder tylko do odczytu?). Powiedz o tym komuś z personelu.</translation>
    </message>
</context>
<context>
    <name>StudentImportDialog</name>
    <message>
        <source>Import Student List</source>
        <translation>Importuj listę uczniów</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Read as:</source>
        <translation>Odczytano jako:</translation>
    </message>
    <message>
        <source>Students read:</source>
        <translation>Odczytani uczniowie:</translation>
    </message>
    <message>
        <source>Current students removed:</source>
        <translation>Usunięci obecni uczniowie:</translation>
    </message>
    <message>
        <source>Registered passwords cleared:</source>
        <translation>Wyczyszczone zarejestrowane hasła:</translation>
    </message>
    <message>
        <source>Lines to check</source>
        <translation>Wiersze do sprawdzenia</translation>
    </message>
    <message>
        <source>First students, as they will be imported</source>
        <translation>Pierwsi uczniowie, tak jak zostaną zaimportowani</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Keep the registered passwords of the students whose ID and name stay the same (%L1)</source>
        <translation>Zachowaj zarejestrowane hasła uczniów, których numer i imię i nazwisko się nie zmieniają (%L1)</translation>
    </message>
    <message>
        <source>as the file&apos;s byte-order mark says</source>
        <translation>zgodnie ze znacznikiem kolejności bajtów w pliku</translation>
    </message>
    <message>
        <source>the file is valid UTF-8</source>
        <translation>plik jest poprawnym UTF-8</translation>
    </message>
    <message>
        <source>NUL bytes in every other place: UTF-16 without a byte-order mark</source>
        <translation>bajty NUL na co drugiej pozycji: UTF-16 bez znacznika kolejności bajtów</translation>
    </message>
    <message>
        <source>the file is not UTF-8: read as Windows-1252, as spreadsheets on Windows save it; check the names below, or choose another encoding</source>
        <translation>plik nie jest w UTF-8: odczytano jako Windows-1252, bo tak zapisują arkusze kalkulacyjne w Windows; sprawdź nazwiska poniżej albo wybierz inne kodowanie</translation>
    </message>
    <message>
        <source>as chosen</source>
        <translation>zgodnie z wyborem</translation>
    </message>
    <message>
        <source>Line %1 is skipped: it has fewer than three fields.</source>
        <translation>Wiersz %1 pominięto: ma mniej niż trzy pola.</translation>
    </message>
    <message>
        <source>Line %1 is skipped: its ID is empty.</source>
        <translation>Wiersz %1 pominięto: numer jest pusty.</translation>
    </message>
    <message>
        <source>ID %1 is on lines %2: the last of them counts.</source>
        <translation>Numer %1 występuje w wierszach %2: liczy się ostatni z nich.</translation>
    </message>
    <message>
        <source>Line %1 holds bytes that this encoding cannot read (shown as �).</source>
        <translation>Wiersz %1 zawiera bajty, których to kodowanie nie potrafi odczytać (pokazane jako �).</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>… i %Ln więcej.</numerusform>
            <numerusform>… i %Ln więcej.</numerusform>
            <numerusform>… i %Ln więcej.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StudentListModel</name>
    <message>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Numer</translation>
    </message>
</context>
<context>
    <name>StudentVerifier</name>
    <message>
        <source>Invalid username.</source>
        <translation>Nieznany numer ucznia.</translation>
    </message>
    <message>
        <source>The sign-out could not be recorded. Please tell a member of staff.</source>
        <translation>Nie udało się zapisać wypożyczenia. Powiedz o tym komuś z personelu.</translation>
    </message>
    <message>
        <source>The item is already signed out.</source>
        <translation>Ten instrument jest już wypożyczony.</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong passwords for this student ID. Please wait %n seconds or ask a member of staff.</source>
        <translation>
            <numerusform>Zbyt wiele błędnych haseł dla tego numeru ucznia. Zaczekaj %n sekundę albo poproś kogoś z personelu.</numerusform>
            <numerusform>Zbyt wiele błędnych haseł dla tego numeru ucznia. Zaczekaj %n sekundy albo poproś kogoś z personelu.</numerusform>
            <numerusform>Zbyt wiele błędnych haseł dla tego numeru ucznia. Zaczekaj %n sekund albo poproś kogoś z personelu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Nieprawidłowe hasło.</translation>
    </message>
    <message>
        <source>A password was not previously registered for &apos;%1&apos;.
Please re-confirm your password.</source>
        <translation>Dla „%1” nie zarejestrowano jeszcze hasła.
Potwierdź hasło, wpisując je ponownie.</translation>
    </message>
    <message>
        <source>The passwords did not match.</source>
        <translation>Hasła nie są zgodne.</translation>
    </message>
    <message>
        <source>Your password could not be saved. Please tell a member of staff.</source>
        <translation>Nie udało się zapisać hasła. Powiedz o tym komuś z personelu.</translation>
    </message>
</context>
<context>
    <name>StudentWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Open Student List</source>
        <translation>Otwórz listę uczniów</translation>
    </message>
    <message>
        <source>Undo Last Import</source>
        <translation>Cofnij ostatni import</translation>
    </message>
    <message>
        <source>Reset Password(s)</source>
        <translation>Resetuj hasło/hasła</translation>
    </message>
    <message>
        <source>Export History...</source>
        <translation>Eksportuj historię…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Wyczyść historię</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Uczniowie</translation>
    </message>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file holds no student: importing it empties the student list. Import it all the same?</source>
        <translation>Plik nie zawiera żadnego ucznia: import opróżni listę uczniów. Zaimportować mimo to?</translation>
    </message>
    <message>
        <source>The student list could not be saved.</source>
        <translation>Nie udało się zapisać listy uczniów.</translation>
    </message>
    <message>
        <source>Reading the student list...</source>
        <translation>Wczytywanie listy uczniów…</translation>
    </message>
    <message>
        <source>Error reading file.</source>
        <translation>Błąd odczytu pliku.</translation>
    </message>
    <message>
        <source>Are you sure you want to put back the student list as it was before the last import? Passwords registered since then are lost.</source>
        <translation>Czy na pewno przywrócić listę uczniów sprzed ostatniego importu? Hasła zarejestrowane od tego czasu zostaną utracone.</translation>
    </message>
    <message>
        <source>The student list before the last import could not be put back.</source>
        <translation>Nie udało się przywrócić listy uczniów sprzed ostatniego importu.</translation>
    </message>
    <message>
        <source>No student is selected.</source>
        <translation>Nie zaznaczono żadnego ucznia.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the passwords for the selected students?</source>
        <translation>Czy na pewno zresetować hasła zaznaczonych uczniów?</translation>
    </message>
    <message>
        <source>The passwords could not be reset.</source>
        <translation>Nie udało się zresetować haseł.</translation>
    </message>
    <message>
        <source>Exporting the history...</source>
        <translation>Eksportowanie historii…</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Historię wyeksportowano do %1.</translation>
    </message>
    <message>
        <source>The history could not be read; nothing was exported.</source>
        <translation>Nie udało się odczytać historii; niczego nie wyeksportowano.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all history?</source>
        <translation>Czy na pewno wyczyścić całą historię?</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>Nie udało się wyczyścić historii.</translation>
    </message>
    <message>
        <source>The list kept before the last import is damaged: the import cannot be undone.</source>
        <translation>Lista zachowana przed ostatnim importem jest uszkodzona: importu nie można cofnąć.</translation>
    </message>
</context>
<context>
    <name>UsageWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Okres</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Uczeń</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Idle after:</source>
        <translation>Nieużywany po:</translation>
    </message>
    <message>
        <source> weeks</source>
        <translation> tyg.</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj…</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>By instrument</source>
        <translation>Według instrumentu</translation>
    </message>
    <message>
        <source>Over time</source>
        <translation>W czasie</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>Idle copies</source>
        <translation>Nieużywane egzemplarze</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Uczniowie</translation>
    </message>
    <message>
        <source>Chart of the sign-outs per instrument; the table below holds its numbers</source>
        <translation>Wykres wypożyczeń według instrumentu; tabela poniżej zawiera jego liczby</translation>
    </message>
    <message>
        <source>Chart of the sign-outs per week; the table below holds its numbers</source>
        <translation>Wykres wypożyczeń według tygodnia; tabela poniżej zawiera jego liczby</translation>
    </message>
    <message>
        <source>The history could not be read; the page shows nothing.</source>
        <translation>Nie udało się odczytać historii; strona niczego nie pokazuje.</translation>
    </message>
    <message>
        <source>Usage from %1 to %2</source>
        <translation>Wykorzystanie od %1 do %2</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Słowa: %1</translation>
    </message>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The usage was exported to %1.</source>
        <translation>Wykorzystanie wyeksportowano do %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>Nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Wykorzystanie</translation>
    </message>
</context>
<context>
    <name>backupSet</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>Nie udało się otworzyć %1.</translation>
    </message>
    <message>
        <source>The backup folder %1 is missing or cannot be written to.</source>
        <translation>Folder kopii zapasowych %1 nie istnieje lub nie można w nim zapisywać.</translation>
    </message>
    <message>
        <source>The manifest could not be written.</source>
        <translation>Nie udało się zapisać manifestu.</translation>
    </message>
    <message>
        <source>The backup in %1 could not be written: %2</source>
        <translation>Nie udało się zapisać kopii w %1: %2</translation>
    </message>
    <message>
        <source>The set has no readable manifest.</source>
        <translation>Kopia nie ma czytelnego manifestu.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>Brakuje %1.</translation>
    </message>
    <message>
        <source>%1 is damaged: it is not the file that was written.</source>
        <translation>%1 jest uszkodzony: to nie jest plik, który został zapisany.</translation>
    </message>
    <message>
        <source>%1 does not read back as the student list written.</source>
        <translation>%1 nie odczytuje się jako zapisana lista uczniów.</translation>
    </message>
    <message>
        <source>%1 fails SQLite&apos;s integrity check.</source>
        <translation>%1 nie przechodzi kontroli integralności SQLite.</translation>
    </message>
    <message>
        <source>%1 holds %2 rows of version %3, not the %4 of version %5 written.</source>
        <translation>%1 zawiera wiersze: %2 w wersji %3, a nie zapisane: %4 w wersji %5.</translation>
    </message>
</context>
<context>
    <name>commandLine</name>
    <message>
        <source>Please give the connection as keywords (host=... dbname=... user=...) without a password: libpq takes the password from a password file (~/.pgpass) or a service file.</source>
        <translation>Podaj połączenie jako słowa kluczowe (host=... dbname=... user=...) bez hasła: libpq pobiera hasło z pliku haseł (~/.pgpass) lub z pliku usługi.</translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation>Nie udało się zapisać ustawień.</translation>
    </message>
    <message>
        <source>This kiosk keeps its data in the files of its folder.</source>
        <translation>Ten kiosk przechowuje dane w plikach swojego folderu.</translation>
    </message>
    <message>
        <source>This kiosk keeps its data in the database &quot;%1&quot;.</source>
        <translation>Ten kiosk przechowuje dane w bazie danych „%1”.</translation>
    </message>
    <message>
        <source>Keep the data in the PostgreSQL database of this libpq connection string, shared with other kiosks (an empty string: in this folder&apos;s files).</source>
        <translation>Przechowuj dane w bazie PostgreSQL z tego ciągu połączenia libpq, wspólnej z innymi kioskami (pusty ciąg: w plikach tego folderu).</translation>
    </message>
    <message>
        <source>Copy the inventory, history and student list of this folder into that database, which must be empty.</source>
        <translation>Skopiuj inwentarz, historię i listę uczniów z tego folderu do tej bazy danych, która musi być pusta.</translation>
    </message>
    <message>
        <source>No database is set: use --database first.</source>
        <translation>Nie ustawiono bazy danych: najpierw użyj --database.</translation>
    </message>
    <message>
        <source>Backed up into %1.</source>
        <translation>Kopia zapisana w %1.</translation>
    </message>
    <message>
        <source>Backups in %1:</source>
        <translation>Kopie zapasowe w %1:</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>niekompletna</translation>
    </message>
    <message>
        <source>good</source>
        <translation>poprawna</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>uszkodzona</translation>
    </message>
    <message>
        <source>Close it before restoring a backup.</source>
        <translation>Zamknij go przed przywróceniem kopii.</translation>
    </message>
    <message>
        <source>Brindlow, the instrument kiosk

The kiosk keeps its data (inventory, history, students.lst) in its working directory. Started from the menu or by brindlow-kiosk, that is ${XDG_DATA_HOME:-~/.local/share}/brindlow/, made on the first start and open to its owner only.</source>
        <translation>Brindlow, kiosk z instrumentami

Kiosk przechowuje swoje dane (inventory, history, students.lst) w katalogu roboczym. Uruchomiony z menu lub przez brindlow-kiosk, jest to ${XDG_DATA_HOME:-~/.local/share}/brindlow/, tworzony przy pierwszym uruchomieniu i dostępny tylko dla właściciela.</translation>
    </message>
    <message>
        <source>Back up this folder&apos;s files now, beside a running kiosk or without one.</source>
        <translation>Utwórz teraz kopię plików tego folderu, przy działającym kiosku lub bez niego.</translation>
    </message>
    <message>
        <source>List the backups with their moments, sizes and state.</source>
        <translation>Wypisz kopie zapasowe z ich czasem, rozmiarem i stanem.</translation>
    </message>
    <message>
        <source>Put this backup in place of this folder&apos;s files, which are kept aside; no kiosk may be running here.</source>
        <translation>Wstaw tę kopię w miejsce plików tego folderu, które zostaną odłożone na bok; nie może tu działać żaden kiosk.</translation>
    </message>
    <message>
        <source>Nothing was copied: this folder could not be backed up first.</source>
        <translation>Nic nie skopiowano: najpierw nie udało się utworzyć kopii tego folderu.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>historySchema</name>
    <message>
        <source>Preparing the history for fast searching: %1%</source>
        <translation>Przygotowywanie historii do szybkiego wyszukiwania: %1%</translation>
    </message>
    <message>
        <source>Clearing old passwords from the history</source>
        <translation>Usuwanie starych haseł z historii</translation>
    </message>
    <message>
        <source>Counting the history&apos;s sign-outs for the usage page</source>
        <translation>Liczenie wypożyczeń z historii dla strony wykorzystania</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1
Trying again...</source>
        <translation>%1
Ponowna próba…</translation>
    </message>
    <message>
        <source>Brindlow is starting</source>
        <translation>Brindlow uruchamia się</translation>
    </message>
</context>
<context>
    <name>moveIntoDatabase</name>
    <message>
        <source>There is no kiosk&apos;s data in this folder: nothing was copied.</source>
        <translation>W tym folderze nie ma danych kiosku: niczego nie skopiowano.</translation>
    </message>
    <message>
        <source>The database holds data already: nothing was copied.</source>
        <translation>Baza danych zawiera już dane: niczego nie skopiowano.</translation>
    </message>
    <message>
        <source>The copy failed, and nothing was copied; the log says why.</source>
        <translation>Kopiowanie nie powiodło się i niczego nie skopiowano; przyczynę podaje dziennik.</translation>
    </message>
    <message>
        <source>Copied %1 items, %2 students (%3 with a registered password) and %4 sign-outs%5.</source>
        <translation>Skopiowano: instrumenty: %1, uczniowie: %2 (z zarejestrowanym hasłem: %3), wypożyczenia: %4%5.</translation>
    </message>
    <message>
        <source> from %1 to %2</source>
        <translation> od %1 do %2</translation>
    </message>
</context>
<context>
    <name>restoreBackup</name>
    <message>
        <source>The set was made by Brindlow %1, newer than this one (%2).</source>
        <translation>Kopię utworzył Brindlow %1, nowszy niż ten (%2).</translation>
    </message>
    <message>
        <source>%1 in the set was written by a newer release of Brindlow.</source>
        <translation>%1 w kopii został zapisany przez nowszą wersję Brindlow.</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1: wiersze: %2</translation>
    </message>
    <message>
        <source>The set holds no file.</source>
        <translation>Kopia nie zawiera żadnego pliku.</translation>
    </message>
    <message>
        <source>The set %1 is not restored: %2</source>
        <translation>Kopia %1 nie zostaje przywrócona: %2</translation>
    </message>
    <message>
        <source>%1 could not be made; nothing was changed.</source>
        <translation>Nie udało się utworzyć %1; niczego nie zmieniono.</translation>
    </message>
    <message>
        <source>The set could not be copied into %1; the files there are as they were.</source>
        <translation>Nie udało się skopiować kopii do %1; pliki tam są takie jak były.</translation>
    </message>
    <message>
        <source>Restored the set of %1 (%2). The files it replaced are in %3.</source>
        <translation>Przywrócono kopię z %1 (%2). Zastąpione pliki są w %3.</translation>
    </message>
</context>
<context>
    <name>sortMenu</name>
    <message>
        <source>Sort by %1</source>
        <translation>Sortuj według: %1</translation>
    </message>
</context>
<context>
    <name>usageTables</name>
    <message>
        <source>By instrument</source>
        <translation>Według instrumentu</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Egzemplarze</translation>
    </message>
    <message>
        <source>Sign-outs</source>
        <translation>Wypożyczenia</translation>
    </message>
    <message>
        <source>Days with a copy out</source>
        <translation>Dni z wypożyczonym egzemplarzem</translation>
    </message>
    <message>
        <source>Busiest copy</source>
        <translation>Najczęściej wypożyczany egzemplarz</translation>
    </message>
    <message>
        <source>Copies never signed out</source>
        <translation>Egzemplarze nigdy niewypożyczone</translation>
    </message>
    <message>
        <source>%1% (%2 of %3 days)</source>
        <translation>%1% (%2 z %3 dni)</translation>
    </message>
    <message>
        <source>#%1 (%2)</source>
        <translation>nr %1 (%2)</translation>
    </message>
    <message>
        <source>Sign-outs per week</source>
        <translation>Wypożyczenia na tydzień</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Tydzień od</translation>
    </message>
    <message>
        <source>All instruments</source>
        <translation>Wszystkie instrumenty</translation>
    </message>
    <message>
        <source>Sign-outs by weekday and hour</source>
        <translation>Wypożyczenia według dnia tygodnia i godziny</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Idle copies (not signed out for %1 weeks)</source>
        <translation>Nieużywane egzemplarze (niewypożyczane od %1 tyg.)</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Last sign-out</source>
        <translation>Ostatnie wypożyczenie</translation>
    </message>
    <message>
        <source>Weeks idle</source>
        <translation>Tygodnie bez użycia</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>Students per instrument</source>
        <translation>Uczniowie na instrument</translation>
    </message>
    <message>
        <source>Different students</source>
        <translation>Różni uczniowie</translation>
    </message>
</context>
</TS>

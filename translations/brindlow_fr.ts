<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BackupWidget</name>
    <message>
        <source>Back Up Now</source>
        <translation>Sauvegarder maintenant</translation>
    </message>
    <message>
        <source>Backup Folder...</source>
        <translation>Dossier de sauvegarde...</translation>
    </message>
    <message>
        <source>Daily backup after:</source>
        <translation>Sauvegarde quotidienne après :</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>A backup folder on the kiosk&apos;s own disk does not survive that disk: choose a USB stick or a network share, and protect it like the kiosk&apos;s data.</source>
        <translation>Un dossier de sauvegarde sur le disque du kiosque ne survit pas à ce disque : choisissez une clé USB ou un partage réseau, et protégez-le comme les données du kiosque.</translation>
    </message>
    <message>
        <source>Backups: by the database server</source>
        <translation>Sauvegardes : par le serveur de base de données</translation>
    </message>
    <message>
        <source>Backing up to %1...</source>
        <translation>Sauvegarde dans %1...</translation>
    </message>
    <message>
        <source>Backup Folder</source>
        <translation>Dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Last good backup: %1, in %2</source>
        <translation>Dernière sauvegarde valide : %1, dans %2</translation>
    </message>
    <message>
        <source>No good backup yet in %1.</source>
        <translation>Aucune sauvegarde valide pour l’instant dans %1.</translation>
    </message>
    <message>
        <source>The last backup failed: %1 Brindlow tries again when the kiosk is next idle.</source>
        <translation>La dernière sauvegarde a échoué : %1 Brindlow réessaiera dès que le kiosque sera de nouveau inutilisé.</translation>
    </message>
    <message>
        <source>No good backup for more than two days: is the kiosk never left idle?</source>
        <translation>Aucune sauvegarde valide depuis plus de deux jours : le kiosque n’est-il jamais inutilisé ?</translation>
    </message>
</context>
<context>
    <name>ExportHistoryDialog</name>
    <message>
        <source>Export History</source>
        <translation>Exporter l’historique</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Student words:</source>
        <translation>Mots sur l’élève :</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Item words:</source>
        <translation>Mots sur l’instrument :</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Entrées :</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>L’historique ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>FileStores</name>
    <message>
        <source>The files in %1, for this kiosk alone</source>
        <translation>Les fichiers de %1, pour cette borne seule</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/heure</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
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
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Student words</source>
        <translation>Mots sur l’élève</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Item words</source>
        <translation>Mots sur l’instrument</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Sign-outs found</source>
        <translation>Emprunts trouvés</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a date; the range keeps %2.</source>
        <translation>« %1 » n’a pas pu être lu comme une date ; la période garde %2.</translation>
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
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Instrument :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Add copies</source>
        <translation>Ajouter des exemplaires</translation>
    </message>
    <message>
        <source>Remove the selected copies</source>
        <translation>Retirer les exemplaires sélectionnés</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Print Labels...</source>
        <translation>Imprimer les étiquettes…</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Instruments</translation>
    </message>
    <message>
        <source>Please type the name of the instrument.</source>
        <translation>Veuillez saisir le nom de l’instrument.</translation>
    </message>
    <message>
        <source>The items could not be added.</source>
        <translation>Les instruments n’ont pas pu être ajoutés.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 et %Ln autre</numerusform>
            <numerusform>%1 et %Ln autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Voulez-vous vraiment supprimer %1 ?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete these %Ln copies: %1?</source>
        <translation>
            <numerusform>Voulez-vous vraiment supprimer cet exemplaire (%Ln) : %1 ?</numerusform>
            <numerusform>Voulez-vous vraiment supprimer ces %Ln exemplaires : %1 ?</numerusform>
        </translation>
    </message>
    <message>
        <source>The items could not be removed.</source>
        <translation>Les instruments n’ont pas pu être retirés.</translation>
    </message>
    <message>
        <source>There are no items to print labels for.</source>
        <translation>Il n’y a aucun instrument pour lequel imprimer des étiquettes.</translation>
    </message>
    <message>
        <source>The labels could not be printed.</source>
        <translation>Les étiquettes n’ont pas pu être imprimées.</translation>
    </message>
</context>
<context>
    <name>ItemAvailabilityModel</name>
    <message>
        <source>%1 (signed out today)</source>
        <translation>%1 (emprunté aujourd’hui)</translation>
    </message>
    <message>
        <source>Signed out today</source>
        <translation>Emprunté aujourd’hui</translation>
    </message>
</context>
<context>
    <name>KioskLock</name>
    <message>
        <source>Brindlow is already running in the folder %1.</source>
        <translation>Brindlow est déjà lancé dans le dossier %1.</translation>
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
        <translation>Emprunter des instruments et voir le journal du jour.</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Emprunter</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Sign Out&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Sign out instruments, and view a log of today&apos;s activity.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Emprunter&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Emprunter des instruments et voir le journal du jour.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>View a log of all activity over the past year, and search for specific entries.</source>
        <translation>Consulter le journal de l’année écoulée et y rechercher des entrées précises.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;History&lt;/span&gt;&lt;/p&gt;&lt;p&gt;View a log of all activity over the past year, and search for specific entries.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Historique&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Consulter le journal de l’année écoulée et y rechercher des entrées précises.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Administration</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Plein écran oui/non</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong administrator passwords. Please wait %n seconds.</source>
        <translation>
            <numerusform>Trop de mots de passe administrateur erronés. Veuillez patienter %n seconde.</numerusform>
            <numerusform>Trop de mots de passe administrateur erronés. Veuillez patienter %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please verify the administrator password.</source>
        <translation>Veuillez confirmer le mot de passe administrateur.</translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Please enter the new password.</source>
        <translation>Veuillez saisir le nouveau mot de passe.</translation>
    </message>
    <message>
        <source>Without a password, anyone at the kiosk can open the settings and close Brindlow. Remove the administrator password?</source>
        <translation>Sans mot de passe, n’importe qui à la borne peut ouvrir les paramètres et fermer Brindlow. Supprimer le mot de passe administrateur ?</translation>
    </message>
    <message>
        <source>Please enter the new password again.</source>
        <translation>Veuillez saisir à nouveau le nouveau mot de passe.</translation>
    </message>
    <message>
        <source>The passwords did not match. The administrator password has not been changed.</source>
        <translation>Les mots de passe ne correspondent pas. Le mot de passe administrateur n’a pas été modifié.</translation>
    </message>
    <message>
        <source>The administrator password could not be changed.</source>
        <translation>Le mot de passe administrateur n’a pas pu être modifié.</translation>
    </message>
</context>
<context>
    <name>PostgresDatabase</name>
    <message>
        <source>Cannot reach the kiosks&apos; database.</source>
        <translation>Impossible de joindre la base de données des bornes.</translation>
    </message>
    <message>
        <source>The database was set up by a newer version of Brindlow. Please install that version on this computer too.</source>
        <translation>La base de données a été créée par une version plus récente de Brindlow. Veuillez installer cette version sur cet ordinateur aussi.</translation>
    </message>
    <message>
        <source>The database could not be set up: %1</source>
        <translation>La base de données n’a pas pu être créée : %1</translation>
    </message>
</context>
<context>
    <name>PostgresStores</name>
    <message>
        <source>The PostgreSQL database &quot;%1&quot;, shared with other kiosks</source>
        <translation>La base de données PostgreSQL « %1 », partagée avec d’autres bornes</translation>
    </message>
</context>
<context>
    <name>PrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>ddd MMM d yyyy</source>
        <comment>date format</comment>
        <translation>dddd d MMMM yyyy</translation>
    </message>
    <message>
        <source>Summary for %1</source>
        <translation>Récapitulatif du %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
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
        <translation>Accueil des paramètres</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>Que souhaitez-vous faire ?</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventaire</translation>
    </message>
    <message>
        <source>Add or remove items in the inventory.</source>
        <translation>Ajouter ou retirer des instruments de l’inventaire.</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Update the student list, reset a student&apos;s password, or clear all history.</source>
        <translation>Mettre à jour la liste des élèves, réinitialiser le mot de passe d’un élève ou effacer tout l’historique.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Print today&apos;s summary.</source>
        <translation>Imprimer le récapitulatif du jour.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>The language of every page; the change applies at once.</source>
        <translation>La langue de toutes les pages ; le changement s’applique aussitôt.</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Comme le système</translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Données : %1</translation>
    </message>
    <message>
        <source>No administrator password: anyone at the kiosk can open these pages and close Brindlow. Admin &gt; Change Password sets one.</source>
        <translation>Aucun mot de passe administrateur : n’importe qui à la borne peut ouvrir ces pages et fermer Brindlow. Administration &gt; Changer le mot de passe en définit un.</translation>
    </message>
    <message>
        <source>Brindlow %1</source>
        <translation>Brindlow %1</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>See which instruments sit idle, which are always out and when the desk is busy.</source>
        <translation>Voir quels instruments restent inutilisés, lesquels sont toujours sortis et quand le comptoir est le plus occupé.</translation>
    </message>
</context>
<context>
    <name>SignOutWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Numéro d’élève</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Emprunter</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Today&apos;s sign-outs</source>
        <translation>Emprunts du jour</translation>
    </message>
    <message>
        <source>Please scan the label again.</source>
        <translation>Veuillez scanner l’étiquette à nouveau.</translation>
    </message>
    <message>
        <source>The item is already signed out.</source>
        <translation>Cet instrument est déjà emprunté.</translation>
    </message>
    <message>
        <source>The sign-out could not be recorded. Please tell a member of staff.</source>
        <translation>L’emprunt n’a pas pu être enregistré. Veuillez prévenir un membre du personnel.</translation>
    </message>
    <message>
        <source>%1 signed out %2</source>
        <translation>%1 a emprunté %2</translation>
    </message>
    <message>
        <source>%1 is no longer in the inventory.</source>
        <translation>%1 ne fait plus partie de l’inventaire.</translation>
    </message>
    <message>
        <source>The student ID cannot be empty.</source>
        <translation>Le numéro d’élève ne peut pas être vide.</translation>
    </message>
    <message>
        <source>The password cannot be empty.</source>
        <translation>Le mot de passe ne peut pas être vide.</translation>
    </message>
    <message>
        <source>Please choose an instrument.</source>
        <translation>Veuillez choisir un instrument.</translation>
    </message>
</context>
<context>
    <name>SqliteTable</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a database (is it damaged?). Please tell a member of staff.</source>
        <translation>Le fichier « %1 » ne peut pas être lu comme une base de données (serait-il endommagé ?). Veuillez prévenir un membre du personnel.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was written by a newer version of Brindlow. Please install that version on this computer too.</source>
        <translation>Le fichier « %1 » a été écrit par une version plus récente de Brindlow. Veuillez installer cette version sur cet ordinateur aussi.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be rewritten to remove old data from its free space (is the disk full?). Brindlow tries again at its next start.</source>
        <translation>Le fichier « %1 » n’a pas pu être réécrit pour effacer d’anciennes données de son espace libre (le disque est-il plein ?). Brindlow réessaiera à son prochain démarrage.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be brought up to date (is the disk full or the folder read-only?). Please tell a member of staff.</source>
        <translation>Le fichier « %1 » n’a pas pu être mis à jour (le disque est-il plein ou le dossier en lecture seule ?). Veuillez prévenir un membre du personnel.</translation>
    </message>
</context>
<context>
    <name>StudentImportDialog</name>
    <message>
        <source>Import Student List</source>
        <translation>Importer la liste des élèves</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Read as:</source>
        <translation>Lu en :</translation>
    </message>
    <message>
        <source>Students read:</source>
        <translation>Élèves lus :</translation>
    </message>
    <message>
        <source>Current students removed:</source>
        <translation>Élèves actuels retirés :</translation>
    </message>
    <message>
        <source>Registered passwords cleared:</source>
        <translation>Mots de passe enregistrés effacés :</translation>
    </message>
    <message>
        <source>Lines to check</source>
        <translation>Lignes à vérifier</translation>
    </message>
    <message>
        <source>First students, as they will be imported</source>
        <translation>Premiers élèves, tels qu’ils seront importés</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Keep the registered passwords of the students whose ID and name stay the same (%L1)</source>
        <translation>Garder les mots de passe enregistrés des élèves dont le numéro et le nom restent les mêmes (%L1)</translation>
    </message>
    <message>
        <source>as the file&apos;s byte-order mark says</source>
        <translation>comme l’indique l’indicateur d’ordre des octets du fichier</translation>
    </message>
    <message>
        <source>the file is valid UTF-8</source>
        <translation>le fichier est en UTF-8 valide</translation>
    </message>
    <message>
        <source>NUL bytes in every other place: UTF-16 without a byte-order mark</source>
        <translation>des octets NUL une position sur deux : UTF-16 sans indicateur d’ordre des octets</translation>
    </message>
    <message>
        <source>the file is not UTF-8: read as Windows-1252, as spreadsheets on Windows save it; check the names below, or choose another encoding</source>
        <translation>le fichier n’est pas en UTF-8 : lu en Windows-1252, comme l’enregistrent les tableurs sous Windows ; vérifiez les noms ci-dessous ou choisissez un autre encodage</translation>
    </message>
    <message>
        <source>as chosen</source>
        <translation>comme choisi</translation>
    </message>
    <message>
        <source>Line %1 is skipped: it has fewer than three fields.</source>
        <translation>La ligne %1 est ignorée : elle a moins de trois champs.</translation>
    </message>
    <message>
        <source>Line %1 is skipped: its ID is empty.</source>
        <translation>La ligne %1 est ignorée : son numéro est vide.</translation>
    </message>
    <message>
        <source>ID %1 is on lines %2: the last of them counts.</source>
        <translation>Le numéro %1 figure aux lignes %2 : la dernière l’emporte.</translation>
    </message>
    <message>
        <source>Line %1 holds bytes that this encoding cannot read (shown as �).</source>
        <translation>La ligne %1 contient des octets que cet encodage ne peut pas lire (affichés comme �).</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>… et %Ln autre.</numerusform>
            <numerusform>… et %Ln autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StudentListModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Numéro</translation>
    </message>
</context>
<context>
    <name>StudentVerifier</name>
    <message>
        <source>Invalid username.</source>
        <translation>Numéro d’élève inconnu.</translation>
    </message>
    <message>
        <source>The sign-out could not be recorded. Please tell a member of staff.</source>
        <translation>L’emprunt n’a pas pu être enregistré. Veuillez prévenir un membre du personnel.</translation>
    </message>
    <message>
        <source>The item is already signed out.</source>
        <translation>Cet instrument est déjà emprunté.</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong passwords for this student ID. Please wait %n seconds or ask a member of staff.</source>
        <translation>
            <numerusform>Trop de mots de passe erronés pour ce numéro d’élève. Veuillez patienter %n seconde ou demander à un membre du personnel.</numerusform>
            <numerusform>Trop de mots de passe erronés pour ce numéro d’élève. Veuillez patienter %n secondes ou demander à un membre du personnel.</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>A password was not previously registered for &apos;%1&apos;.
Please re-confirm your password.</source>
        <translation>Aucun mot de passe n’était encore enregistré pour « %1 ».
Veuillez confirmer votre mot de passe.</translation>
    </message>
    <message>
        <source>The passwords did not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Your password could not be saved. Please tell a member of staff.</source>
        <translation>Votre mot de passe n’a pas pu être enregistré. Veuillez prévenir un membre du personnel.</translation>
    </message>
</context>
<context>
    <name>StudentWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Open Student List</source>
        <translation>Ouvrir une liste d’élèves</translation>
    </message>
    <message>
        <source>Undo Last Import</source>
        <translation>Annuler la dernière importation</translation>
    </message>
    <message>
        <source>Reset Password(s)</source>
        <translation>Réinitialiser le(s) mot(s) de passe</translation>
    </message>
    <message>
        <source>Export History...</source>
        <translation>Exporter l’historique…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Effacer l’historique</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file holds no student: importing it empties the student list. Import it all the same?</source>
        <translation>Le fichier ne contient aucun élève : l’importer vide la liste des élèves. L’importer quand même ?</translation>
    </message>
    <message>
        <source>The student list could not be saved.</source>
        <translation>La liste des élèves n’a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Reading the student list...</source>
        <translation>Lecture de la liste des élèves…</translation>
    </message>
    <message>
        <source>Error reading file.</source>
        <translation>Erreur de lecture du fichier.</translation>
    </message>
    <message>
        <source>Are you sure you want to put back the student list as it was before the last import? Passwords registered since then are lost.</source>
        <translation>Voulez-vous vraiment rétablir la liste des élèves telle qu’elle était avant la dernière importation ? Les mots de passe enregistrés depuis seront perdus.</translation>
    </message>
    <message>
        <source>The student list before the last import could not be put back.</source>
        <translation>La liste des élèves d’avant la dernière importation n’a pas pu être rétablie.</translation>
    </message>
    <message>
        <source>No student is selected.</source>
        <translation>Aucun élève n’est sélectionné.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the passwords for the selected students?</source>
        <translation>Voulez-vous vraiment réinitialiser les mots de passe des élèves sélectionnés ?</translation>
    </message>
    <message>
        <source>The passwords could not be reset.</source>
        <translation>Les mots de passe n’ont pas pu être réinitialisés.</translation>
    </message>
    <message>
        <source>Exporting the history...</source>
        <translation>Exportation de l’historique…</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>L’historique a été exporté vers %1.</translation>
    </message>
    <message>
        <source>The history could not be read; nothing was exported.</source>
        <translation>L’historique n’a pas pu être lu ; rien n’a été exporté.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n’a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all history?</source>
        <translation>Voulez-vous vraiment effacer tout l’historique ?</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>L’historique n’a pas pu être effacé.</translation>
    </message>
    <message>
        <source>The list kept before the last import is damaged: the import cannot be undone.</source>
        <translation>La liste conservée avant la dernière importation est endommagée : l’importation ne peut pas être annulée.</translation>
    </message>
</context>
<context>
    <name>UsageWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Idle after:</source>
        <translation>Inutilisé après :</translation>
    </message>
    <message>
        <source> weeks</source>
        <translation> semaines</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>By instrument</source>
        <translation>Par instrument</translation>
    </message>
    <message>
        <source>Over time</source>
        <translation>Dans le temps</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Idle copies</source>
        <translation>Exemplaires inutilisés</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Chart of the sign-outs per instrument; the table below holds its numbers</source>
        <translation>Graphique des sorties par instrument ; le tableau dessous en donne les nombres</translation>
    </message>
    <message>
        <source>Chart of the sign-outs per week; the table below holds its numbers</source>
        <translation>Graphique des sorties par semaine ; le tableau dessous en donne les nombres</translation>
    </message>
    <message>
        <source>The history could not be read; the page shows nothing.</source>
        <translation>L’historique n’a pas pu être lu ; la page n’affiche rien.</translation>
    </message>
    <message>
        <source>Usage from %1 to %2</source>
        <translation>Utilisation du %1 au %2</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Mots : %1</translation>
    </message>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The usage was exported to %1.</source>
        <translation>L’utilisation a été exportée vers %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n’a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Utilisation</translation>
    </message>
</context>
<context>
    <name>backupSet</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>The backup folder %1 is missing or cannot be written to.</source>
        <translation>Le dossier de sauvegarde %1 est absent ou n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The manifest could not be written.</source>
        <translation>Le manifeste n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The backup in %1 could not be written: %2</source>
        <translation>La sauvegarde dans %1 n’a pas pu être écrite : %2</translation>
    </message>
    <message>
        <source>The set has no readable manifest.</source>
        <translation>La sauvegarde n’a pas de manifeste lisible.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 est absent.</translation>
    </message>
    <message>
        <source>%1 is damaged: it is not the file that was written.</source>
        <translation>%1 est endommagé : ce n’est pas le fichier qui a été écrit.</translation>
    </message>
    <message>
        <source>%1 does not read back as the student list written.</source>
        <translation>%1 ne se relit pas comme la liste d’élèves écrite.</translation>
    </message>
    <message>
        <source>%1 fails SQLite&apos;s integrity check.</source>
        <translation>%1 échoue à la vérification d’intégrité de SQLite.</translation>
    </message>
    <message>
        <source>%1 holds %2 rows of version %3, not the %4 of version %5 written.</source>
        <translation>%1 contient %2 lignes de la version %3, et non les %4 de la version %5 écrites.</translation>
    </message>
</context>
<context>
    <name>commandLine</name>
    <message>
        <source>Please give the connection as keywords (host=... dbname=... user=...) without a password: libpq takes the password from a password file (~/.pgpass) or a service file.</source>
        <translation>Veuillez donner la connexion sous forme de mots-clés (host=... dbname=... user=...) sans mot de passe : libpq prend le mot de passe dans un fichier de mots de passe (~/.pgpass) ou un fichier de service.</translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation>Les paramètres n’ont pas pu être écrits.</translation>
    </message>
    <message>
        <source>This kiosk keeps its data in the files of its folder.</source>
        <translation>Cette borne garde ses données dans les fichiers de son dossier.</translation>
    </message>
    <message>
        <source>This kiosk keeps its data in the database &quot;%1&quot;.</source>
        <translation>Cette borne garde ses données dans la base de données « %1 ».</translation>
    </message>
    <message>
        <source>Keep the data in the PostgreSQL database of this libpq connection string, shared with other kiosks (an empty string: in this folder&apos;s files).</source>
        <translation>Garder les données dans la base PostgreSQL de cette chaîne de connexion libpq, partagée avec d’autres bornes (chaîne vide : dans les fichiers de ce dossier).</translation>
    </message>
    <message>
        <source>Copy the inventory, history and student list of this folder into that database, which must be empty.</source>
        <translation>Copier l’inventaire, l’historique et la liste des élèves de ce dossier dans cette base de données, qui doit être vide.</translation>
    </message>
    <message>
        <source>No database is set: use --database first.</source>
        <translation>Aucune base de données n’est définie : utilisez d’abord --database.</translation>
    </message>
    <message>
        <source>Backed up into %1.</source>
        <translation>Sauvegardé dans %1.</translation>
    </message>
    <message>
        <source>Backups in %1:</source>
        <translation>Sauvegardes dans %1 :</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>incomplète</translation>
    </message>
    <message>
        <source>good</source>
        <translation>valide</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>défectueuse</translation>
    </message>
    <message>
        <source>Close it before restoring a backup.</source>
        <translation>Fermez-le avant de restaurer une sauvegarde.</translation>
    </message>
    <message>
        <source>Brindlow, the instrument kiosk

The kiosk keeps its data (inventory, history, students.lst) in its working directory. Started from the menu or by brindlow-kiosk, that is ${XDG_DATA_HOME:-~/.local/share}/brindlow/, made on the first start and open to its owner only.</source>
        <translation>Brindlow, le kiosque à instruments

Le kiosque garde ses données (inventory, history, students.lst) dans son répertoire de travail. Lancé depuis le menu ou par brindlow-kiosk, c’est ${XDG_DATA_HOME:-~/.local/share}/brindlow/, créé au premier lancement et accessible à son seul propriétaire.</translation>
    </message>
    <message>
        <source>Back up this folder&apos;s files now, beside a running kiosk or without one.</source>
        <translation>Sauvegarder maintenant les fichiers de ce dossier, qu’un kiosque tourne ou non.</translation>
    </message>
    <message>
        <source>List the backups with their moments, sizes and state.</source>
        <translation>Lister les sauvegardes avec leur moment, leur taille et leur état.</translation>
    </message>
    <message>
        <source>Put this backup in place of this folder&apos;s files, which are kept aside; no kiosk may be running here.</source>
        <translation>Mettre cette sauvegarde à la place des fichiers de ce dossier, qui sont mis de côté ; aucun kiosque ne doit tourner ici.</translation>
    </message>
    <message>
        <source>Nothing was copied: this folder could not be backed up first.</source>
        <translation>Rien n’a été copié : ce dossier n’a pas pu être sauvegardé d’abord.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>historySchema</name>
    <message>
        <source>Preparing the history for fast searching: %1%</source>
        <translation>Préparation de l’historique pour une recherche rapide : %1 %</translation>
    </message>
    <message>
        <source>Clearing old passwords from the history</source>
        <translation>Effacement des anciens mots de passe de l’historique</translation>
    </message>
    <message>
        <source>Counting the history&apos;s sign-outs for the usage page</source>
        <translation>Décompte des sorties de l’historique pour la page d’utilisation</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1
Trying again...</source>
        <translation>%1
Nouvelle tentative…</translation>
    </message>
    <message>
        <source>Brindlow is starting</source>
        <translation>Brindlow démarre</translation>
    </message>
</context>
<context>
    <name>moveIntoDatabase</name>
    <message>
        <source>There is no kiosk&apos;s data in this folder: nothing was copied.</source>
        <translation>Ce dossier ne contient pas de données de borne : rien n’a été copié.</translation>
    </message>
    <message>
        <source>The database holds data already: nothing was copied.</source>
        <translation>La base de données contient déjà des données : rien n’a été copié.</translation>
    </message>
    <message>
        <source>The copy failed, and nothing was copied; the log says why.</source>
        <translation>La copie a échoué et rien n’a été copié ; le journal indique pourquoi.</translation>
    </message>
    <message>
        <source>Copied %1 items, %2 students (%3 with a registered password) and %4 sign-outs%5.</source>
        <translation>Copié : instruments : %1, élèves : %2 (dont avec mot de passe enregistré : %3), emprunts : %4%5.</translation>
    </message>
    <message>
        <source> from %1 to %2</source>
        <translation> du %1 au %2</translation>
    </message>
</context>
<context>
    <name>restoreBackup</name>
    <message>
        <source>The set was made by Brindlow %1, newer than this one (%2).</source>
        <translation>La sauvegarde a été faite par Brindlow %1, plus récent que celui-ci (%2).</translation>
    </message>
    <message>
        <source>%1 in the set was written by a newer release of Brindlow.</source>
        <translation>%1 dans la sauvegarde a été écrit par une version plus récente de Brindlow.</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1 : %2 lignes</translation>
    </message>
    <message>
        <source>The set holds no file.</source>
        <translation>La sauvegarde ne contient aucun fichier.</translation>
    </message>
    <message>
        <source>The set %1 is not restored: %2</source>
        <translation>La sauvegarde %1 n’est pas restaurée : %2</translation>
    </message>
    <message>
        <source>%1 could not be made; nothing was changed.</source>
        <translation>%1 n’a pas pu être créé ; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The set could not be copied into %1; the files there are as they were.</source>
        <translation>La sauvegarde n’a pas pu être copiée dans %1 ; les fichiers y sont tels qu’ils étaient.</translation>
    </message>
    <message>
        <source>Restored the set of %1 (%2). The files it replaced are in %3.</source>
        <translation>Sauvegarde du %1 restaurée (%2). Les fichiers remplacés sont dans %3.</translation>
    </message>
</context>
<context>
    <name>sortMenu</name>
    <message>
        <source>Sort by %1</source>
        <translation>Trier par %1</translation>
    </message>
</context>
<context>
    <name>usageTables</name>
    <message>
        <source>By instrument</source>
        <translation>Par instrument</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplaires</translation>
    </message>
    <message>
        <source>Sign-outs</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Days with a copy out</source>
        <translation>Jours avec un exemplaire sorti</translation>
    </message>
    <message>
        <source>Busiest copy</source>
        <translation>Exemplaire le plus sorti</translation>
    </message>
    <message>
        <source>Copies never signed out</source>
        <translation>Exemplaires jamais sortis</translation>
    </message>
    <message>
        <source>%1% (%2 of %3 days)</source>
        <translation>%1 % (%2 jours sur %3)</translation>
    </message>
    <message>
        <source>#%1 (%2)</source>
        <translation>nº %1 (%2)</translation>
    </message>
    <message>
        <source>Sign-outs per week</source>
        <translation>Sorties par semaine</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Semaine du</translation>
    </message>
    <message>
        <source>All instruments</source>
        <translation>Tous les instruments</translation>
    </message>
    <message>
        <source>Sign-outs by weekday and hour</source>
        <translation>Sorties par jour de la semaine et par heure</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Idle copies (not signed out for %1 weeks)</source>
        <translation>Exemplaires inutilisés (pas sortis depuis %1 semaines)</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Last sign-out</source>
        <translation>Dernière sortie</translation>
    </message>
    <message>
        <source>Weeks idle</source>
        <translation>Semaines sans usage</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>Students per instrument</source>
        <translation>Élèves par instrument</translation>
    </message>
    <message>
        <source>Different students</source>
        <translation>Élèves différents</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BackupWidget</name>
    <message>
        <source>Back Up Now</source>
        <translation>Hacer copia ahora</translation>
    </message>
    <message>
        <source>Backup Folder...</source>
        <translation>Carpeta de copias...</translation>
    </message>
    <message>
        <source>Daily backup after:</source>
        <translation>Copia diaria después de:</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>A backup folder on the kiosk&apos;s own disk does not survive that disk: choose a USB stick or a network share, and protect it like the kiosk&apos;s data.</source>
        <translation>Una carpeta de copias en el propio disco del quiosco no sobrevive a ese disco: elija una memoria USB o una carpeta compartida en red, y protéjala como los datos del quiosco.</translation>
    </message>
    <message>
        <source>Backups: by the database server</source>
        <translation>Copias de seguridad: las hace el servidor de la base de datos</translation>
    </message>
    <message>
        <source>Backing up to %1...</source>
        <translation>Haciendo copia en %1...</translation>
    </message>
    <message>
        <source>Backup Folder</source>
        <translation>Carpeta de copias</translation>
    </message>
    <message>
        <source>Last good backup: %1, in %2</source>
        <translation>Última copia correcta: %1, en %2</translation>
    </message>
    <message>
        <source>No good backup yet in %1.</source>
        <translation>Todavía no hay ninguna copia correcta en %1.</translation>
    </message>
    <message>
        <source>The last backup failed: %1 Brindlow tries again when the kiosk is next idle.</source>
        <translation>La última copia ha fallado: %1 Brindlow lo intentará de nuevo cuando el quiosco vuelva a estar sin uso.</translation>
    </message>
    <message>
        <source>No good backup for more than two days: is the kiosk never left idle?</source>
        <translation>Ninguna copia correcta desde hace más de dos días: ¿el quiosco nunca se queda sin uso?</translation>
    </message>
</context>
<context>
    <name>ExportHistoryDialog</name>
    <message>
        <source>Export History</source>
        <translation>Exportar el historial</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Student words:</source>
        <translation>Palabras del alumno:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Item words:</source>
        <translation>Palabras del instrumento:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Entries:</source>
        <translation>Entradas:</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>No se puede leer el historial.</translation>
    </message>
</context>
<context>
    <name>FileStores</name>
    <message>
        <source>The files in %1, for this kiosk alone</source>
        <translation>Los archivos de %1, solo para este quiosco</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Fecha/hora</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrumento</translation>
    </message>
</context>
<context>
    <name>HistoryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Student words</source>
        <translation>Palabras del alumno</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Item words</source>
        <translation>Palabras del instrumento</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Sign-outs found</source>
        <translation>Préstamos encontrados</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read as a date; the range keeps %2.</source>
        <translation>«%1» no se pudo leer como fecha; el intervalo conserva %2.</translation>
    </message>
</context>
<context>
    <name>InventoryModel</name>
    <message>
        <source>Item</source>
        <translation>Instrumento</translation>
    </message>
</context>
<context>
    <name>InventoryWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Instrumento:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Add copies</source>
        <translation>Añadir ejemplares</translation>
    </message>
    <message>
        <source>Remove the selected copies</source>
        <translation>Quitar los ejemplares seleccionados</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Print Labels...</source>
        <translation>Imprimir etiquetas…</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Instrumentos</translation>
    </message>
    <message>
        <source>Please type the name of the instrument.</source>
        <translation>Escriba el nombre del instrumento.</translation>
    </message>
    <message>
        <source>The items could not be added.</source>
        <translation>No se pudieron añadir los instrumentos.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %Ln more</source>
        <translation>
            <numerusform>%1 y %Ln más</numerusform>
            <numerusform>%1 y %Ln más</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>¿Seguro que quiere eliminar %1?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete these %Ln copies: %1?</source>
        <translation>
            <numerusform>¿Seguro que quiere eliminar este ejemplar (%Ln): %1?</numerusform>
            <numerusform>¿Seguro que quiere eliminar estos %Ln ejemplares: %1?</numerusform>
        </translation>
    </message>
    <message>
        <source>The items could not be removed.</source>
        <translation>No se pudieron quitar los instrumentos.</translation>
    </message>
    <message>
        <source>There are no items to print labels for.</source>
        <translation>No hay instrumentos para los que imprimir etiquetas.</translation>
    </message>
    <message>
        <source>The labels could not be printed.</source>
        <translation>No se pudieron imprimir las etiquetas.</translation>
    </message>
</context>
<context>
    <name>ItemAvailabilityModel</name>
    <message>
        <source>%1 (signed out today)</source>
        <translation>%1 (prestado hoy)</translation>
    </message>
    <message>
        <source>Signed out today</source>
        <translation>Prestado hoy</translation>
    </message>
</context>
<context>
    <name>KioskLock</name>
    <message>
        <source>Brindlow is already running in the folder %1.</source>
        <translation>Brindlow ya se está ejecutando en la carpeta %1.</translation>
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
        <translation>Tome instrumentos prestados y vea el registro de hoy.</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Prestar</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Sign Out&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Sign out instruments, and view a log of today&apos;s activity.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Préstamo&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Tome instrumentos prestados y vea el registro de hoy.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>View a log of all activity over the past year, and search for specific entries.</source>
        <translation>Vea el registro de todo el último año y busque entradas concretas.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;History&lt;/span&gt;&lt;/p&gt;&lt;p&gt;View a log of all activity over the past year, and search for specific entries.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Historial&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Vea el registro de todo el último año y busque entradas concretas.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Administración</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar la contraseña</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Activar/desactivar pantalla completa</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong administrator passwords. Please wait %n seconds.</source>
        <translation>
            <numerusform>Demasiadas contraseñas de administrador incorrectas. Espere %n segundo.</numerusform>
            <numerusform>Demasiadas contraseñas de administrador incorrectas. Espere %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please verify the administrator password.</source>
        <translation>Confirme la contraseña de administrador.</translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>Please enter the new password.</source>
        <translation>Introduzca la nueva contraseña.</translation>
    </message>
    <message>
        <source>Without a password, anyone at the kiosk can open the settings and close Brindlow. Remove the administrator password?</source>
        <translation>Sin contraseña, cualquiera en el quiosco puede abrir la configuración y cerrar Brindlow. ¿Quitar la contraseña de administrador?</translation>
    </message>
    <message>
        <source>Please enter the new password again.</source>
        <translation>Introduzca de nuevo la nueva contraseña.</translation>
    </message>
    <message>
        <source>The passwords did not match. The administrator password has not been changed.</source>
        <translation>Las contraseñas no coinciden. La contraseña de administrador no se ha cambiado.</translation>
    </message>
    <message>
        <source>The administrator password could not be changed.</source>
        <translation>No se pudo cambiar la contraseña de administrador.</translation>
    </message>
</context>
<context>
    <name>PostgresDatabase</name>
    <message>
        <source>Cannot reach the kiosks&apos; database.</source>
        <translation>No se puede acceder a la base de datos de los quioscos.</translation>
    </message>
    <message>
        <source>The database was set up by a newer version of Brindlow. Please install that version on this computer too.</source>
        <translation>La base de datos la creó una versión más reciente de Brindlow. Instale también esa versión en este ordenador.</translation>
    </message>
    <message>
        <source>The database could not be set up: %1</source>
        <translation>No se pudo preparar la base de datos: %1</translation>
    </message>
</context>
<context>
    <name>PostgresStores</name>
    <message>
        <source>The PostgreSQL database &quot;%1&quot;, shared with other kiosks</source>
        <translation>La base de datos PostgreSQL «%1», compartida con otros quioscos</translation>
    </message>
</context>
<context>
    <name>PrintWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>ddd MMM d yyyy</source>
        <comment>date format</comment>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Summary for %1</source>
        <translation>Resumen del %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>hh:mm:ss ap</source>
        <comment>time format</comment>
        <translation>H:mm:ss</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Settings Home</source>
        <translation>Inicio de la configuración</translation>
    </message>
    <message>
        <source>What would you like to do?</source>
        <translation>¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Inventory</source>
        <translation>Inventario</translation>
    </message>
    <message>
        <source>Add or remove items in the inventory.</source>
        <translation>Añadir o quitar instrumentos del inventario.</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Update the student list, reset a student&apos;s password, or clear all history.</source>
        <translation>Actualizar la lista de alumnos, restablecer la contraseña de un alumno o borrar todo el historial.</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impresión</translation>
    </message>
    <message>
        <source>Print today&apos;s summary.</source>
        <translation>Imprimir el resumen de hoy.</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The language of every page; the change applies at once.</source>
        <translation>El idioma de todas las páginas; el cambio se aplica al momento.</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Como el sistema</translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Datos: %1</translation>
    </message>
    <message>
        <source>No administrator password: anyone at the kiosk can open these pages and close Brindlow. Admin &gt; Change Password sets one.</source>
        <translation>No hay contraseña de administrador: cualquiera en el quiosco puede abrir estas páginas y cerrar Brindlow. Administración &gt; Cambiar la contraseña establece una.</translation>
    </message>
    <message>
        <source>Brindlow %1</source>
        <translation>Brindlow %1</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
    <message>
        <source>See which instruments sit idle, which are always out and when the desk is busy.</source>
        <translation>Ver qué instrumentos quedan sin usar, cuáles están siempre prestados y cuándo hay más movimiento en el mostrador.</translation>
    </message>
</context>
<context>
    <name>SignOutWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Student ID</source>
        <translation>Número de alumno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Prestar</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Today&apos;s sign-outs</source>
        <translation>Préstamos de hoy</translation>
    </message>
    <message>
        <source>Please scan the label again.</source>
        <translation>Vuelva a escanear la etiqueta.</translation>
    </message>
    <message>
        <source>The item is already signed out.</source>
        <translation>Este instrumento ya está prestado.</translation>
    </message>
    <message>
        <source>The sign-out could not be recorded. Please tell a member of staff.</source>
        <translation>No se pudo registrar el préstamo. Avise a un miembro del personal.</translation>
    </message>
    <message>
        <source>%1 signed out %2</source>
        <translation>%1 se ha llevado %2</translation>
    </message>
    <message>
        <source>%1 is no longer in the inventory.</source>
        <translation>%1 ya no está en el inventario.</translation>
    </message>
    <message>
        <source>The student ID cannot be empty.</source>
        <translation>El número de alumno no puede estar vacío.</translation>
    </message>
    <message>
        <source>The password cannot be empty.</source>
        <translation>La contraseña no puede estar vacía.</translation>
    </message>
    <message>
        <source>Please choose an instrument.</source>
        <translation>Elija un instrumento.</translation>
    </message>
</context>
<context>
    <name>SqliteTable</name>
    <message>
        <source>The file &quot;%1&quot; cannot be read as a database (is it damaged?). Please tell a member of staff.</source>
        <translation>El archivo «%1» no se puede leer como base de datos (¿está dañado?). Avise a un miembro del personal.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; was written by a newer version of Brindlow. Please install that version on this computer too.</source>
        <translation>El archivo «%1» lo escribió una versión más reciente de Brindlow. Instale también esa versión en este ordenador.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be rewritten to remove old data from its free space (is the disk full?). Brindlow tries again at its next start.</source>
        <translation>No se pudo reescribir el archivo «%1» para borrar datos antiguos de su espacio libre (¿está lleno el disco?). Brindlow lo volverá a intentar en el próximo inicio.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be brought up to date (is the disk full or the folder read-only?). Please tell a member of staff.</source>
        <translation>No se pudo actualizar el archivo «%1» (¿está lleno el disco o la carpeta es de solo lectura?). Avise a un miembro del personal.</translation>
    </message>
</context>
<context>
    <name>StudentImportDialog</name>
    <message>
        <source>Import Student List</source>
        <translation>Importar la lista de alumnos</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Read as:</source>
        <translation>Leído como:</translation>
    </message>
    <message>
        <source>Students read:</source>
        <translation>Alumnos leídos:</translation>
    </message>
    <message>
        <source>Current students removed:</source>
        <translation>Alumnos actuales eliminados:</translation>
    </message>
    <message>
        <source>Registered passwords cleared:</source>
        <translation>Contraseñas registradas borradas:</translation>
    </message>
    <message>
        <source>Lines to check</source>
        <translation>Líneas que revisar</translation>
    </message>
    <message>
        <source>First students, as they will be imported</source>
        <translation>Primeros alumnos, tal como se importarán</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Keep the registered passwords of the students whose ID and name stay the same (%L1)</source>
        <translation>Conservar las contraseñas registradas de los alumnos cuyo número y nombre no cambian (%L1)</translation>
    </message>
    <message>
        <source>as the file&apos;s byte-order mark says</source>
        <translation>según indica la marca de orden de bytes del archivo</translation>
    </message>
    <message>
        <source>the file is valid UTF-8</source>
        <translation>el archivo es UTF-8 válido</translation>
    </message>
    <message>
        <source>NUL bytes in every other place: UTF-16 without a byte-order mark</source>
        <translation>bytes NUL en una de cada dos posiciones: UTF-16 sin marca de orden de bytes</translation>
    </message>
    <message>
        <source>the file is not UTF-8: read as Windows-1252, as spreadsheets on Windows save it; check the names below, or choose another encoding</source>
        <translation>el archivo no es UTF-8: leído como Windows-1252, como lo guardan las hojas de cálculo en Windows; revise los nombres de abajo o elija otra codificación</translation>
    </message>
    <message>
        <source>as chosen</source>
        <translation>según lo elegido</translation>
    </message>
    <message>
        <source>Line %1 is skipped: it has fewer than three fields.</source>
        <translation>Se omite la línea %1: tiene menos de tres campos.</translation>
    </message>
    <message>
        <source>Line %1 is skipped: its ID is empty.</source>
        <translation>Se omite la línea %1: su número está vacío.</translation>
    </message>
    <message>
        <source>ID %1 is on lines %2: the last of them counts.</source>
        <translation>El número %1 está en las líneas %2: cuenta la última.</translation>
    </message>
    <message>
        <source>Line %1 holds bytes that this encoding cannot read (shown as �).</source>
        <translation>La línea %1 contiene bytes que esta codificación no puede leer (se muestran como �).</translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>… y %Ln más.</numerusform>
            <numerusform>… y %Ln más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StudentListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Número</translation>
    </message>
</context>
<context>
    <name>StudentVerifier</name>
    <message>
        <source>Invalid username.</source>
        <translation>Número de alumno desconocido.</translation>
    </message>
    <message>
        <source>The sign-out could not be recorded. Please tell a member of staff.</source>
        <translation>No se pudo registrar el préstamo. Avise a un miembro del personal.</translation>
    </message>
    <message>
        <source>The item is already signed out.</source>
        <translation>Este instrumento ya está prestado.</translation>
    </message>
    <message numerus="yes">
        <source>Too many wrong passwords for this student ID. Please wait %n seconds or ask a member of staff.</source>
        <translation>
            <numerusform>Demasiadas contraseñas incorrectas para este número de alumno. Espere %n segundo o pregunte a un miembro del personal.</numerusform>
            <numerusform>Demasiadas contraseñas incorrectas para este número de alumno. Espere %n segundos o pregunte a un miembro del personal.</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>A password was not previously registered for &apos;%1&apos;.
Please re-confirm your password.</source>
        <translation>Aún no había ninguna contraseña registrada para «%1».
Vuelva a escribir su contraseña para confirmarla.</translation>
    </message>
    <message>
        <source>The passwords did not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Your password could not be saved. Please tell a member of staff.</source>
        <translation>No se pudo guardar su contraseña. Avise a un miembro del personal.</translation>
    </message>
</context>
<context>
    <name>StudentWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Open Student List</source>
        <translation>Abrir lista de alumnos</translation>
    </message>
    <message>
        <source>Undo Last Import</source>
        <translation>Deshacer la última importación</translation>
    </message>
    <message>
        <source>Reset Password(s)</source>
        <translation>Restablecer contraseña(s)</translation>
    </message>
    <message>
        <source>Export History...</source>
        <translation>Exportar el historial…</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Borrar el historial</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The file holds no student: importing it empties the student list. Import it all the same?</source>
        <translation>El archivo no contiene ningún alumno: importarlo vacía la lista de alumnos. ¿Importarlo de todos modos?</translation>
    </message>
    <message>
        <source>The student list could not be saved.</source>
        <translation>No se pudo guardar la lista de alumnos.</translation>
    </message>
    <message>
        <source>Reading the student list...</source>
        <translation>Leyendo la lista de alumnos…</translation>
    </message>
    <message>
        <source>Error reading file.</source>
        <translation>Error al leer el archivo.</translation>
    </message>
    <message>
        <source>Are you sure you want to put back the student list as it was before the last import? Passwords registered since then are lost.</source>
        <translation>¿Seguro que quiere restaurar la lista de alumnos tal como estaba antes de la última importación? Se perderán las contraseñas registradas desde entonces.</translation>
    </message>
    <message>
        <source>The student list before the last import could not be put back.</source>
        <translation>No se pudo restaurar la lista de alumnos anterior a la última importación.</translation>
    </message>
    <message>
        <source>No student is selected.</source>
        <translation>No hay ningún alumno seleccionado.</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the passwords for the selected students?</source>
        <translation>¿Seguro que quiere restablecer las contraseñas de los alumnos seleccionados?</translation>
    </message>
    <message>
        <source>The passwords could not be reset.</source>
        <translation>No se pudieron restablecer las contraseñas.</translation>
    </message>
    <message>
        <source>Exporting the history...</source>
        <translation>Exportando el historial…</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>El historial se exportó a %1.</translation>
    </message>
    <message>
        <source>The history could not be read; nothing was exported.</source>
        <translation>No se pudo leer el historial; no se exportó nada.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all history?</source>
        <translation>¿Seguro que quiere borrar todo el historial?</translation>
    </message>
    <message>
        <source>The history could not be cleared.</source>
        <translation>No se pudo borrar el historial.</translation>
    </message>
    <message>
        <source>The list kept before the last import is damaged: the import cannot be undone.</source>
        <translation>La lista guardada antes de la última importación está dañada: no se puede deshacer la importación.</translation>
    </message>
</context>
<context>
    <name>UsageWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>MMM. d, yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Idle after:</source>
        <translation>Sin uso tras:</translation>
    </message>
    <message>
        <source> weeks</source>
        <translation> semanas</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>By instrument</source>
        <translation>Por instrumento</translation>
    </message>
    <message>
        <source>Over time</source>
        <translation>En el tiempo</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Idle copies</source>
        <translation>Ejemplares sin uso</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Chart of the sign-outs per instrument; the table below holds its numbers</source>
        <translation>Gráfico de los préstamos por instrumento; la tabla de abajo contiene sus cifras</translation>
    </message>
    <message>
        <source>Chart of the sign-outs per week; the table below holds its numbers</source>
        <translation>Gráfico de los préstamos por semana; la tabla de abajo contiene sus cifras</translation>
    </message>
    <message>
        <source>The history could not be read; the page shows nothing.</source>
        <translation>No se pudo leer el historial; la página no muestra nada.</translation>
    </message>
    <message>
        <source>Usage from %1 to %2</source>
        <translation>Uso del %1 al %2</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Palabras: %1</translation>
    </message>
    <message>
        <source>Csv Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The usage was exported to %1.</source>
        <translation>El uso se exportó a %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Uso</translation>
    </message>
</context>
<context>
    <name>backupSet</name>
    <message>
        <source>%1 could not be opened.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
    <message>
        <source>The backup folder %1 is missing or cannot be written to.</source>
        <translation>La carpeta de copias %1 no existe o no se puede escribir en ella.</translation>
    </message>
    <message>
        <source>The manifest could not be written.</source>
        <translation>No se pudo escribir el manifiesto.</translation>
    </message>
    <message>
        <source>The backup in %1 could not be written: %2</source>
        <translation>No se pudo escribir la copia en %1: %2</translation>
    </message>
    <message>
        <source>The set has no readable manifest.</source>
        <translation>La copia no tiene un manifiesto legible.</translation>
    </message>
    <message>
        <source>%1 is missing.</source>
        <translation>Falta %1.</translation>
    </message>
    <message>
        <source>%1 is damaged: it is not the file that was written.</source>
        <translation>%1 está dañado: no es el archivo que se escribió.</translation>
    </message>
    <message>
        <source>%1 does not read back as the student list written.</source>
        <translation>%1 no se vuelve a leer como la lista de alumnos escrita.</translation>
    </message>
    <message>
        <source>%1 fails SQLite&apos;s integrity check.</source>
        <translation>%1 no supera la comprobación de integridad de SQLite.</translation>
    </message>
    <message>
        <source>%1 holds %2 rows of version %3, not the %4 of version %5 written.</source>
        <translation>%1 contiene %2 filas de la versión %3, no las %4 de la versión %5 que se escribieron.</translation>
    </message>
</context>
<context>
    <name>commandLine</name>
    <message>
        <source>Please give the connection as keywords (host=... dbname=... user=...) without a password: libpq takes the password from a password file (~/.pgpass) or a service file.</source>
        <translation>Indique la conexión como palabras clave (host=... dbname=... user=...) sin contraseña: libpq toma la contraseña de un archivo de contraseñas (~/.pgpass) o de un archivo de servicio.</translation>
    </message>
    <message>
        <source>The settings could not be written.</source>
        <translation>No se pudo escribir la configuración.</translation>
    </message>
    <message>
        <source>This kiosk keeps its data in the files of its folder.</source>
        <translation>Este quiosco guarda sus datos en los archivos de su carpeta.</translation>
    </message>
    <message>
        <source>This kiosk keeps its data in the database &quot;%1&quot;.</source>
        <translation>Este quiosco guarda sus datos en la base de datos «%1».</translation>
    </message>
    <message>
        <source>Keep the data in the PostgreSQL database of this libpq connection string, shared with other kiosks (an empty string: in this folder&apos;s files).</source>
        <translation>Guardar los datos en la base de datos PostgreSQL de esta cadena de conexión de libpq, compartida con otros quioscos (cadena vacía: en los archivos de esta carpeta).</translation>
    </message>
    <message>
        <source>Copy the inventory, history and student list of this folder into that database, which must be empty.</source>
        <translation>Copiar el inventario, el historial y la lista de alumnos de esta carpeta a esa base de datos, que debe estar vacía.</translation>
    </message>
    <message>
        <source>No database is set: use --database first.</source>
        <translation>No hay ninguna base de datos configurada: use primero --database.</translation>
    </message>
    <message>
        <source>Backed up into %1.</source>
        <translation>Copia guardada en %1.</translation>
    </message>
    <message>
        <source>Backups in %1:</source>
        <translation>Copias en %1:</translation>
    </message>
    <message>
        <source>incomplete</source>
        <translation>incompleta</translation>
    </message>
    <message>
        <source>good</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>defectuosa</translation>
    </message>
    <message>
        <source>Close it before restoring a backup.</source>
        <translation>Ciérrelo antes de restaurar una copia.</translation>
    </message>
    <message>
        <source>Brindlow, the instrument kiosk

The kiosk keeps its data (inventory, history, students.lst) in its working directory. Started from the menu or by brindlow-kiosk, that is ${XDG_DATA_HOME:-~/.local/share}/brindlow/, made on the first start and open to its owner only.</source>
        <translation>Brindlow, el quiosco de instrumentos

El quiosco guarda sus datos (inventory, history, students.lst) en su directorio de trabajo. Iniciado desde el menú o con brindlow-kiosk, es ${XDG_DATA_HOME:-~/.local/share}/brindlow/, creado en el primer inicio y accesible solo para su propietario.</translation>
    </message>
    <message>
        <source>Back up this folder&apos;s files now, beside a running kiosk or without one.</source>
        <translation>Hacer ahora una copia de los archivos de esta carpeta, con un quiosco en marcha o sin él.</translation>
    </message>
    <message>
        <source>List the backups with their moments, sizes and state.</source>
        <translation>Listar las copias con su momento, tamaño y estado.</translation>
    </message>
    <message>
        <source>Put this backup in place of this folder&apos;s files, which are kept aside; no kiosk may be running here.</source>
        <translation>Poner esta copia en lugar de los archivos de esta carpeta, que se guardan aparte; aquí no puede estar en marcha ningún quiosco.</translation>
    </message>
    <message>
        <source>Nothing was copied: this folder could not be backed up first.</source>
        <translation>No se ha copiado nada: no se pudo hacer antes una copia de esta carpeta.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>historySchema</name>
    <message>
        <source>Preparing the history for fast searching: %1%</source>
        <translation>Preparando el historial para búsquedas rápidas: %1 %</translation>
    </message>
    <message>
        <source>Clearing old passwords from the history</source>
        <translation>Borrando contraseñas antiguas del historial</translation>
    </message>
    <message>
        <source>Counting the history&apos;s sign-outs for the usage page</source>
        <translation>Contando los préstamos del historial para la página de uso</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1
Trying again...</source>
        <translation>%1
Reintentando…</translation>
    </message>
    <message>
        <source>Brindlow is starting</source>
        <translation>Brindlow se está iniciando</translation>
    </message>
</context>
<context>
    <name>moveIntoDatabase</name>
    <message>
        <source>There is no kiosk&apos;s data in this folder: nothing was copied.</source>
        <translation>En esta carpeta no hay datos de ningún quiosco: no se copió nada.</translation>
    </message>
    <message>
        <source>The database holds data already: nothing was copied.</source>
        <translation>La base de datos ya contiene datos: no se copió nada.</translation>
    </message>
    <message>
        <source>The copy failed, and nothing was copied; the log says why.</source>
        <translation>La copia falló y no se copió nada; el registro indica el motivo.</translation>
    </message>
    <message>
        <source>Copied %1 items, %2 students (%3 with a registered password) and %4 sign-outs%5.</source>
        <translation>Copiado: instrumentos: %1, alumnos: %2 (con contraseña registrada: %3), préstamos: %4%5.</translation>
    </message>
    <message>
        <source> from %1 to %2</source>
        <translation> del %1 al %2</translation>
    </message>
</context>
<context>
    <name>restoreBackup</name>
    <message>
        <source>The set was made by Brindlow %1, newer than this one (%2).</source>
        <translation>La copia la hizo Brindlow %1, más reciente que este (%2).</translation>
    </message>
    <message>
        <source>%1 in the set was written by a newer release of Brindlow.</source>
        <translation>%1 de la copia lo escribió una versión más reciente de Brindlow.</translation>
    </message>
    <message>
        <source>%1: %2 rows</source>
        <translation>%1: %2 filas</translation>
    </message>
    <message>
        <source>The set holds no file.</source>
        <translation>La copia no contiene ningún archivo.</translation>
    </message>
    <message>
        <source>The set %1 is not restored: %2</source>
        <translation>La copia %1 no se restaura: %2</translation>
    </message>
    <message>
        <source>%1 could not be made; nothing was changed.</source>
        <translation>No se pudo crear %1; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The set could not be copied into %1; the files there are as they were.</source>
        <translation>No se pudo copiar la copia en %1; los archivos de allí están como estaban.</translation>
    </message>
    <message>
        <source>Restored the set of %1 (%2). The files it replaced are in %3.</source>
        <translation>Restaurada la copia de %1 (%2). Los archivos que reemplazó están en %3.</translation>
    </message>
</context>
<context>
    <name>sortMenu</name>
    <message>
        <source>Sort by %1</source>
        <translation>Ordenar por %1</translation>
    </message>
</context>
<context>
    <name>usageTables</name>
    <message>
        <source>By instrument</source>
        <translation>Por instrumento</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Ejemplares</translation>
    </message>
    <message>
        <source>Sign-outs</source>
        <translation>Préstamos</translation>
    </message>
    <message>
        <source>Days with a copy out</source>
        <translation>Días con un ejemplar prestado</translation>
    </message>
    <message>
        <source>Busiest copy</source>
        <translation>Ejemplar más prestado</translation>
    </message>
    <message>
        <source>Copies never signed out</source>
        <translation>Ejemplares nunca prestados</translation>
    </message>
    <message>
        <source>%1% (%2 of %3 days)</source>
        <translation>%1 % (%2 de %3 días)</translation>
    </message>
    <message>
        <source>#%1 (%2)</source>
        <translation>n.º %1 (%2)</translation>
    </message>
    <message>
        <source>Sign-outs per week</source>
        <translation>Préstamos por semana</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Semana del</translation>
    </message>
    <message>
        <source>All instruments</source>
        <translation>Todos los instrumentos</translation>
    </message>
    <message>
        <source>Sign-outs by weekday and hour</source>
        <translation>Préstamos por día de la semana y hora</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Idle copies (not signed out for %1 weeks)</source>
        <translation>Ejemplares sin uso (no prestados en %1 semanas)</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Last sign-out</source>
        <translation>Último préstamo</translation>
    </message>
    <message>
        <source>Weeks idle</source>
        <translation>Semanas sin uso</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Students per instrument</source>
        <translation>Alumnos por instrumento</translation>
    </message>
    <message>
        <source>Different students</source>
        <translation>Alumnos distintos</translation>
    </message>
</context>
</TS>

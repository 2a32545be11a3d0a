<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation>Acerca de Tapnest</translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation>Tapnest versión 2.2</translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation>Imágenes y sonidos para manitas.</translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation>Cada tecla y cada clic trae</translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation>una imagen nueva con su sonido.</translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation>Visítenos en:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>AddPictureGroupDialog</name>
    <message>
        <source>Add Picture Group</source>
        <translation>Añadir grupo de imágenes</translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Cance&amp;lar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation>Sonidos predeterminados</translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation>Las imágenes sin sonido propio suenan con un sonido elegido al azar de esta lista.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Borrar...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation>Gestionar grupo de imágenes</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation>Mostrar este &amp;grupo</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation>Añad&amp;ir...</translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation>&amp;Borrar...</translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation>Imágenes:</translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation>Sonido &amp;actual:</translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation>&amp;Escuchar sonidos</translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation>Elegir s&amp;onido...</translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation>Q&amp;uitar sonido...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>Ace&amp;ptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Cance&amp;lar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation>&amp;Borrar el fondo</translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation>Color al a&amp;zar</translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation>Elegir el color de fondo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation>&amp;Límite:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Key &amp;Delay</source>
        <translation>&amp;Pausa tecla</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>Val&amp;or:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Aut&amp;o Display</source>
        <translation>Auto&amp;mático</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>Valo&amp;r:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sounds and Pictures</source>
        <translation>Sonidos e imágenes</translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation>&amp;Sonidos predeterminados...</translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation>&amp;Gestionar grupo...</translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation>Añad&amp;ir grupo...</translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation>Borrar gr&amp;upo...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation>&amp;Acerca de Tapnest...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation>Archivo de imagen</translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation>Tamaño (bytes)</translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation>Recortada</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation>El archivo %s ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation>¿Borrar el archivo de imagen %s? Su sonido también se borrará.</translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation>¿Seguro que quiere borrar el archivo de imagen %s?</translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation>El sonido elegido reemplazará al anterior. ¿Continuar?</translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation>Archivos de sonido WAV (*.wav) | *.wav||</translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation>¿Seguro que quiere borrar el archivo de sonido %s?</translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation>No recor&amp;tar</translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation>Escriba &quot;kolo486&quot; para salir.</translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation>Las teclas del sistema no están bloqueadas en este escritorio.</translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation>Los gestos táctiles no están bloqueados en este escritorio.</translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation>Las teclas del sistema no se bloquearán en este escritorio: vea la ayuda, &quot;What does my desktop need?&quot;</translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation>Teclas del sistema sin bloquear: permítalo en Configuración, Aplicaciones, Tapnest.</translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation>Teclas del sistema sin bloquear: permítalo cuando GNOME pregunte en cada partida.</translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation>Elija un grupo de imágenes para mostrar.</translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation>No se pudo crear la ventana de juego.</translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation>Has jugado mucho rato. ¡Hora de descansar!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation>¿Borrar los %d archivos de sonido elegidos?</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>Tamaño (bytes)</translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation>¿Seguro que quiere borrar el grupo de imágenes %s? La carpeta de %s es
%s</translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation>Todavía no hay grupos de imágenes.</translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation>Escriba el nombre del grupo de imágenes en &quot;Nombre&quot;.
Pulse Aceptar y siga escribiendo.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudo guardar la configuración.</translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation>No se pudo guardar el grupo de imágenes &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation>No se pudo copiar el archivo %s.</translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation>No se pudo borrar %s.</translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation>Libere espacio en el disco o permita escribir en él y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation>Los archivos siguientes no se copiaron.</translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation>Tapnest</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Escriba un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Escriba un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Escriba como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Time limit (minutes)</source>
        <translation>Límite de tiempo (minutos)</translation>
    </message>
    <message>
        <source>Key delay (milliseconds)</source>
        <translation>Retardo de teclas (milisegundos)</translation>
    </message>
    <message>
        <source>Auto display (seconds)</source>
        <translation>Mostrar automáticamente (segundos)</translation>
    </message>
    <message>
        <source>Default sounds</source>
        <translation>Sonidos predeterminados</translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation>¡Gracias por su apoyo!</translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation>Encontrará más imágenes y sonidos en:</translation>
    </message>
    <message>
        <source>1.Volume 1</source>
        <translation>1. Volumen 1</translation>
    </message>
    <message>
        <source>2. Volume 2</source>
        <translation>2. Volumen 2</translation>
    </message>
    <message>
        <source>3. Volume 3</source>
        <translation>3. Volumen 3</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation>¡Bienvenido a Tapnest 2.2!</translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation>¡La película y el juego de su bebé!</translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation>Pulse &quot;Empezar&quot;: su bebé podrá jugar con el ordenador, pulsar las teclas y hacer clic con el ratón a su gusto, y lo disfrutará. Quédese a su lado y no lo deje solo.</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>&amp;Empezar...</translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation>&amp;Configuración...</translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation>Más &amp;imágenes y sonidos...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
</TS>

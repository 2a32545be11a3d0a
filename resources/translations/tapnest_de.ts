<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation>Über Tapnest</translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation>Tapnest Version 2.2</translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation>Bilder und Klänge für kleine Hände.</translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation>Jede Taste und jeder Klick bringt</translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation>ein neues Bild mit eigenem Klang.</translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation>Besuchen Sie uns:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>AddPictureGroupDialog</name>
    <message>
        <source>Add Picture Group</source>
        <translation>Bildergruppe hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation>Gruppen&amp;pfad:</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>Gruppen&amp;name:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation>Standardklänge verwalten</translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation>Ein Bild ohne eigenen Klang erklingt mit einem zufällig gewählten Klang aus dieser Liste.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>Hin&amp;zufügen...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation>Alle Bilddateien</translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation>Bildergruppe verwalten</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>Gruppen&amp;name:</translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation>Diese &amp;Gruppe zeigen</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation>Gruppen&amp;pfad:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation>Hin&amp;zufügen...</translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation>&amp;Freistellen</translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation>Bilder gesamt:</translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation>Aktueller &amp;Klang:</translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation>Klänge ab&amp;spielen</translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation>Klang &amp;wählen...</translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation>Klang &amp;entfernen...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation>Hintergrund lee&amp;ren</translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation>Farbe zufällig &amp;wechseln</translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation>Hintergrundfarbe wählen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation>Zeit&amp;limit:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Zeit:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Key &amp;Delay</source>
        <translation>Tasten&amp;pause</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>Z&amp;eit:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Aut&amp;o Display</source>
        <translation>Auto&amp;matisch</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>Ze&amp;it:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sounds and Pictures</source>
        <translation>Klänge und Bilder</translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation>&amp;Standardklänge...</translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation>Gruppe &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation>&amp;Neue Gruppe...</translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation>Gruppe lös&amp;chen...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation>&amp;Über Tapnest...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation>Bilddatei</translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation>Größe (Bytes)</translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation>Freigestellt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation>Die Datei %s gibt es schon. Überschreiben?</translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation>Bilddatei %s löschen? Ihr Klang wird mit gelöscht.</translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation>Bilddatei %s wirklich löschen?</translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation>Die gewählte Klangdatei ersetzt die bisherige. Fortfahren?</translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation>Wave-Klangdateien (*.wav) | *.wav||</translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation>Klangdatei %s wirklich löschen?</translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation>Nicht &amp;freistellen</translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation>&amp;Freistellen</translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation>Zum Beenden &quot;kolo486&quot; tippen.</translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation>Die Systemtasten sind auf diesem Desktop nicht gesperrt.</translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation>Touch-Gesten sind auf diesem Desktop nicht gesperrt.</translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation>Die Systemtasten werden auf diesem Desktop nicht gesperrt: siehe Hilfe, &quot;What does my desktop need?&quot;</translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation>Systemtasten nicht gesperrt: in Einstellungen, Anwendungen, Tapnest erlauben.</translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation>Systemtasten nicht gesperrt: bei jedem Spiel erlauben, wenn GNOME fragt.</translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation>Bitte wählen Sie eine Bildergruppe zum Anzeigen.</translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation>Das Spielfenster konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation>Du hast lange gespielt. Zeit für eine Pause!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation>Die %d gewählten Klangdateien löschen?</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>Größe (Bytes)</translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation>Bildergruppe %s wirklich löschen? Der Ordner von %s ist:
%s</translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation>Noch keine Bildergruppe.</translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation>Bitte geben Sie unter &quot;Gruppenname&quot; einen Namen für die Bildergruppe ein.
Nach OK können Sie weitertippen.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation>Die Bildergruppe „%s“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation>Die Datei %s konnte nicht kopiert werden.</translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation>%s konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation>Schaffen Sie Platz auf dem Datenträger oder erlauben Sie dort das Schreiben und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation>Die Dateien danach wurden nicht kopiert.</translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation>Tapnest</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte höchstens %1 Zeichen eingeben.</translation>
    </message>
    <message>
        <source>Time limit (minutes)</source>
        <translation>Zeitlimit (Minuten)</translation>
    </message>
    <message>
        <source>Key delay (milliseconds)</source>
        <translation>Tastenverzögerung (Millisekunden)</translation>
    </message>
    <message>
        <source>Auto display (seconds)</source>
        <translation>Automatische Anzeige (Sekunden)</translation>
    </message>
    <message>
        <source>Default sounds</source>
        <translation>Standardklänge</translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation>Danke für Ihre Unterstützung!</translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation>Weitere Bilder und Klänge gibt es hier:</translation>
    </message>
    <message>
        <source>1.Volume 1</source>
        <translation>1. Sammlung 1</translation>
    </message>
    <message>
        <source>2. Volume 2</source>
        <translation>2. Sammlung 2</translation>
    </message>
    <message>
        <source>3. Volume 3</source>
        <translation>3. Sammlung 3</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation>Willkommen bei Tapnest 2.2!</translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation>Ein Film und ein Spiel für Ihr Baby!</translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation>Drücken Sie &quot;Start&quot;: Dann kann Ihr Baby mit dem Computer spielen, nach Lust Tasten drücken und mit der Maus klicken – und hat seine Freude daran. Bleiben Sie dabei und lassen Sie Ihr Baby nicht allein.</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>&amp;Start...</translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation>Mehr Bilder und &amp;Klänge...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
</TS>

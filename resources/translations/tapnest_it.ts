<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation>Informazioni su Tapnest</translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation>Tapnest versione 2.2</translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation>Immagini e suoni per piccole mani.</translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation>Ogni tasto e ogni clic porta</translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation>una nuova immagine col suo suono.</translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation>Venite a trovarci:</translation>
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
        <translation>Aggiungi gruppo di immagini</translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation>&amp;Cartella:</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrizione:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation>Suoni predefiniti</translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation>Le immagini senza un suono proprio suonano con un suono scelto a caso da questo elenco.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Ascolta</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>Aggi&amp;ungi...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Elimina...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation>Tutte le immagini</translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation>Gestisci gruppo di immagini</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation>Mostra &amp;questo gruppo</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrizione:</translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation>&amp;Cartella:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation>Aggiung&amp;i...</translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation>&amp;Elimina...</translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation>Scon&amp;torna</translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation>Totale:</translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation>&amp;Suono attuale:</translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation>Asco&amp;lta suoni</translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation>Sce&amp;gli suono...</translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation>Eli&amp;mina suono...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation>Pulisci lo s&amp;fondo</translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation>Colore a &amp;caso</translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation>Scegli il colore dello sfondo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation>Li&amp;mite:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Val.:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Key &amp;Delay</source>
        <translation>&amp;Pausa tasti</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>V&amp;al.:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Aut&amp;o Display</source>
        <translation>Aut&amp;omatico</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>Va&amp;l.:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sounds and Pictures</source>
        <translation>Suoni e immagini</translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation>&amp;Suoni predefiniti...</translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation>&amp;Gestisci gruppo...</translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation>Aggiu&amp;ngi gruppo...</translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation>&amp;Elimina gruppo...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation>&amp;Informazioni su Tapnest...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation>Dimensione (byte)</translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation>Scontornata</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation>Il file %s esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation>Eliminare il file immagine %s? Verrà eliminato anche il suo suono.</translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation>Eliminare davvero il file immagine %s?</translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation>Il suono scelto sostituirà quello vecchio. Continuare?</translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation>File audio WAV (*.wav) | *.wav||</translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation>Eliminare davvero il file audio %s?</translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation>Non scon&amp;tornare</translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation>Scon&amp;torna</translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation>Scrivi &quot;kolo486&quot; per uscire.</translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation>I tasti di sistema non sono bloccati su questo desktop.</translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation>I gesti touch non sono bloccati su questo desktop.</translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation>I tasti di sistema non saranno bloccati su questo desktop: vedi l&apos;Aiuto, &quot;What does my desktop need?&quot;</translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation>Tasti di sistema non bloccati: consentilo in Impostazioni, Applicazioni, Tapnest.</translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation>Tasti di sistema non bloccati: consentilo quando GNOME lo chiede, a ogni partita.</translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation>Scegli un gruppo di immagini da mostrare.</translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation>Impossibile creare la finestra di gioco.</translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation>Hai giocato a lungo. Ora di una pausa!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation>Eliminare i %d file audio scelti?</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>Dimensione (byte)</translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation>Eliminare davvero il gruppo di immagini %s? La cartella di %s è
%s</translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation>Ancora nessun gruppo di immagini.</translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation>Scrivi il nome del gruppo di immagini in &quot;Nome&quot;.
Premi OK e continua a scrivere.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation>Impossibile salvare il gruppo di immagini &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation>Impossibile copiare il file %s.</translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation>Impossibile eliminare %s.</translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation>Libera spazio sul disco o consenti la scrittura, poi riprova.</translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation>I file successivi non sono stati copiati.</translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation>Tapnest</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserisci un numero intero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserisci un numero intero tra %1 e %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Inserisci al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Time limit (minutes)</source>
        <translation>Limite di tempo (minuti)</translation>
    </message>
    <message>
        <source>Key delay (milliseconds)</source>
        <translation>Ritardo dei tasti (millisecondi)</translation>
    </message>
    <message>
        <source>Auto display (seconds)</source>
        <translation>Visualizzazione automatica (secondi)</translation>
    </message>
    <message>
        <source>Default sounds</source>
        <translation>Suoni predefiniti</translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation>Grazie</translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation>Grazie per il tuo sostegno!</translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation>Altre immagini e suoni si trovano qui:</translation>
    </message>
    <message>
        <source>1.Volume 1</source>
        <translation>1. Volume 1</translation>
    </message>
    <message>
        <source>2. Volume 2</source>
        <translation>2. Volume 2</translation>
    </message>
    <message>
        <source>3. Volume 3</source>
        <translation>3. Volume 3</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation>Benvenuti in Tapnest 2.2!</translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation>Il film e il gioco del tuo bambino!</translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation>Premi &quot;Inizia&quot;: il tuo bambino potrà giocare con il computer, premere i tasti e cliccare il mouse a piacere, e si divertirà. Resta accanto a lui e non lasciarlo mai solo.</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>&amp;Inizia...</translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation>Imposta&amp;zioni...</translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation>Altre immagini e &amp;suoni...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
</context>
</TS>

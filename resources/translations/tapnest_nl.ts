<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation>Over Tapnest</translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation>Tapnest versie 2.2</translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation>Plaatjes en geluid voor kleintjes.</translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation>Elke toets en elke klik brengt een</translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation>nieuw plaatje met een eigen geluid.</translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation>Kom eens kijken op:</translation>
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
        <translation>Plaatjesgroep toevoegen</translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation>&amp;Map:</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschrijving:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation>Standaardgeluiden</translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation>Plaatjes zonder eigen geluid krijgen een willekeurig geluid uit deze lijst.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Afspelen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Toevoegen...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Verwijderen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;luiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation>Alle afbeeldingen</translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation>Plaatjesgroep beheren</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation>Deze &amp;groep tonen</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschrijving:</translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation>&amp;Map:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Plaatjes</translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation>&amp;Toevoegen...</translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation>&amp;Verwijderen...</translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation>&amp;Uitknippen</translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation>Totaal:</translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation>Hui&amp;dig geluid:</translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation>Geluid af&amp;spelen</translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation>Geluid &amp;kiezen...</translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation>Geluid w&amp;issen...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation>Achtergrond &amp;wissen</translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation>Kleur wille&amp;keurig</translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation>Achtergrondkleur kiezen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation>Tijds&amp;limiet:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Tijd:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Key &amp;Delay</source>
        <translation>Toets&amp;pauze</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>T&amp;ijd:</translation>
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
        <translation>Ti&amp;jd:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sounds and Pictures</source>
        <translation>Geluiden en plaatjes</translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation>&amp;Standaardgeluiden...</translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation>Groep &amp;beheren...</translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation>Groep toe&amp;voegen...</translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation>Groep verwij&amp;deren...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation>&amp;Over Tapnest...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation>Afbeeldingsbestand</translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation>Grootte (bytes)</translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation>Uitgeknipt</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation>Het bestand %s bestaat al. Overschrijven?</translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation>Afbeelding %s verwijderen? Het geluid ervan wordt ook verwijderd.</translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation>Weet u zeker dat u afbeelding %s wilt verwijderen?</translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation>Het gekozen geluid vervangt het oude. Doorgaan?</translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation>WAV-geluidsbestanden (*.wav) | *.wav||</translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation>Weet u zeker dat u geluidsbestand %s wilt verwijderen?</translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation>Niet &amp;uitknippen</translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation>&amp;Uitknippen</translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation>Typ &quot;kolo486&quot; om te stoppen.</translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation>De systeemtoetsen zijn op dit bureaublad niet vergrendeld.</translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation>Aanraakgebaren zijn op dit bureaublad niet vergrendeld.</translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation>De systeemtoetsen worden op dit bureaublad niet vergrendeld: zie Help, &quot;What does my desktop need?&quot;</translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation>Systeemtoetsen niet vergrendeld: sta het toe in Instellingen, Toepassingen, Tapnest.</translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation>Systeemtoetsen niet vergrendeld: sta het toe als GNOME het bij elk spel vraagt.</translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation>Kies een plaatjesgroep om te tonen.</translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation>Het speelvenster kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation>Je hebt lang gespeeld. Tijd voor een pauze!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation>De %d gekozen geluidsbestanden verwijderen?</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>Grootte (bytes)</translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation>Weet u zeker dat u plaatjesgroep %s wilt verwijderen? De map van %s is
%s</translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation>Nog geen plaatjesgroep.</translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation>Vul de naam van de plaatjesgroep in bij &quot;Naam&quot;.
Klik op OK en typ dan verder.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>De instellingen konden niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation>De plaatjesgroep &quot;%s&quot; kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation>Het bestand %s kon niet worden gekopieerd.</translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation>%s kon niet worden verwijderd.</translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation>Maak ruimte vrij op de schijf of sta schrijven daar toe en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation>De bestanden daarna zijn niet gekopieerd.</translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation>Tapnest</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal in tussen %1 en %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Voer hoogstens %1 tekens in.</translation>
    </message>
    <message>
        <source>Time limit (minutes)</source>
        <translation>Tijdslimiet (minuten)</translation>
    </message>
    <message>
        <source>Key delay (milliseconds)</source>
        <translation>Toetsvertraging (milliseconden)</translation>
    </message>
    <message>
        <source>Auto display (seconds)</source>
        <translation>Automatisch tonen (seconden)</translation>
    </message>
    <message>
        <source>Default sounds</source>
        <translation>Standaardgeluiden</translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation>Bedankt</translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation>Bedankt voor uw steun!</translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation>Meer plaatjes en geluiden vindt u hier:</translation>
    </message>
    <message>
        <source>1.Volume 1</source>
        <translation>1. Deel 1</translation>
    </message>
    <message>
        <source>2. Volume 2</source>
        <translation>2. Deel 2</translation>
    </message>
    <message>
        <source>3. Volume 3</source>
        <translation>3. Deel 3</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation>Welkom bij Tapnest 2.2!</translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation>Film en spel voor uw baby!</translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation>Klik op &quot;Start&quot;: dan kan uw baby met de computer spelen, naar hartenlust toetsen indrukken en met de muis klikken, en daar geniet het van. Blijf erbij en laat uw baby nooit alleen.</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>&amp;Start...</translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation>Meer plaatjes en &amp;geluiden...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;luiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
</TS>

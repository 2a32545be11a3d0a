<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation>O programie Tapnest</translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation>Tapnest wersja 2.2</translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation>Obrazki i dźwięki dla małych rączek.</translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation>Każdy klawisz i każde kliknięcie</translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation>daje nowy obrazek z dźwiękiem.</translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation>Zapraszamy na stronę:</translation>
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
        <translation>Dodaj grupę obrazków</translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation>&amp;Folder:</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>O&amp;pis:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation>Domyślne dźwięki</translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation>Obrazek bez własnego dźwięku gra dźwięk wybrany losowo z tej listy.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Odtwórz</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Dodaj...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Usuń...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation>Wszystkie obrazy</translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation>Zarządzaj grupą obrazków</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation>Pokaż tę &amp;grupę</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>O&amp;pis:</translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation>&amp;Folder:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazki</translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation>&amp;Dodaj...</translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation>&amp;Usuń...</translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation>&amp;Wytnij</translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation>Razem:</translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation>&amp;Bieżący dźwięk:</translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation>Od&amp;twórz dźwięki</translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation>Wybie&amp;rz dźwięk...</translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation>U&amp;suń dźwięk...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation>Czyść &amp;tło</translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation>&amp;Losowy kolor</translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation>Wybierz kolor tła</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation>Limit c&amp;zasu:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Czas:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Key &amp;Delay</source>
        <translation>Prz&amp;erwa</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>Cz&amp;as:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Aut&amp;o Display</source>
        <translation>A&amp;utopokaz</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>Cza&amp;s:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sounds and Pictures</source>
        <translation>Dźwięki i obrazki</translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation>&amp;Domyślne dźwięki...</translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation>Zarządzaj &amp;grupą...</translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation>Dodaj g&amp;rupę...</translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation>Usuń gru&amp;pę...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nuluj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation>&amp;O programie Tapnest...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation>Plik obrazka</translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation>Rozmiar (bajty)</translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation>Wycięty</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation>Plik %s już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation>Usunąć plik obrazka %s? Jego dźwięk też zostanie usunięty.</translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation>Czy na pewno usunąć plik obrazka %s?</translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation>Wybrany dźwięk zastąpi poprzedni. Kontynuować?</translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation>Pliki dźwiękowe WAV (*.wav) | *.wav||</translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation>Czy na pewno usunąć plik dźwiękowy %s?</translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation>Nie &amp;wycinaj</translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation>&amp;Wytnij</translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation>Wpisz &quot;kolo486&quot;, aby zakończyć.</translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation>Klawisze systemowe nie są zablokowane na tym pulpicie.</translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation>Gesty dotykowe nie są zablokowane na tym pulpicie.</translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation>Klawisze systemowe nie zostaną zablokowane na tym pulpicie: zobacz Pomoc, &quot;What does my desktop need?&quot;</translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation>Klawisze systemowe niezablokowane: zezwól w Ustawienia, Programy, Tapnest.</translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation>Klawisze systemowe niezablokowane: zezwól, gdy GNOME zapyta przy każdej zabawie.</translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation>Wybierz grupę obrazków do wyświetlenia.</translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation>Nie udało się utworzyć okna zabawy.</translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation>Bawisz się już długo. Czas na przerwę!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation>Usunąć wybrane pliki dźwiękowe (%d)?</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>Rozmiar (bajty)</translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation>Czy na pewno usunąć grupę obrazków %s? Folder grupy %s to
%s</translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation>Na razie brak grup obrazków.</translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation>Wpisz nazwę grupy obrazków w polu &quot;Nazwa&quot;.
Kliknij OK i pisz dalej.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Nie udało się zapisać ustawień.</translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation>Nie udało się zapisać grupy obrazków &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation>Nie udało się skopiować pliku %s.</translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation>Nie udało się usunąć: %s.</translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation>Zwolnij miejsce na dysku lub zezwól na zapis i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation>Kolejne pliki nie zostały skopiowane.</translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation>Tapnest</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wpisz liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Wpisz liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Wpisz najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>Time limit (minutes)</source>
        <translation>Limit czasu (minuty)</translation>
    </message>
    <message>
        <source>Key delay (milliseconds)</source>
        <translation>Opóźnienie klawiszy (milisekundy)</translation>
    </message>
    <message>
        <source>Auto display (seconds)</source>
        <translation>Automatyczne wyświetlanie (sekundy)</translation>
    </message>
    <message>
        <source>Default sounds</source>
        <translation>Domyślne dźwięki</translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation>Podziękowania</translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation>Dziękujemy za wsparcie!</translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation>Więcej obrazków i dźwięków znajdziesz tu:</translation>
    </message>
    <message>
        <source>1.Volume 1</source>
        <translation>1. Tom 1</translation>
    </message>
    <message>
        <source>2. Volume 2</source>
        <translation>2. Tom 2</translation>
    </message>
    <message>
        <source>3. Volume 3</source>
        <translation>3. Tom 3</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation>Witaj w Tapnest 2.2!</translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation>Film i zabawa dla Twojego maluszka!</translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation>Naciśnij &quot;Start&quot;: maluszek może wtedy bawić się komputerem, naciskać klawisze i klikać myszą do woli, a to sprawi mu radość. Zostań przy nim i nigdy nie zostawiaj go samego.</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>&amp;Start...</translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation>Więcej obrazków i &amp;dźwięków...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
</context>
</TS>

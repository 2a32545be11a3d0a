<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddPictureGroupDialog</name>
    <message>
        <source>Add Picture Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key &amp;Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aut&amp;o Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds and Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.Volume 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Volume 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Volume 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

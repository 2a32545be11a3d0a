<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation>À propos de Tapnest</translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation>Tapnest version 2.2</translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation>Images et sons pour petites mains.</translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation>Chaque touche, chaque clic affiche</translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation>une nouvelle image et son bruitage.</translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation>Venez nous voir&#xa0;:</translation>
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
        <translation>Ajouter un groupe d&apos;images</translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>D&amp;escription&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation>Sons par défaut</translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation>Une image sans son à elle est accompagnée d&apos;un son choisi au hasard dans cette liste.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Écouter</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation>Gérer le groupe d&apos;images</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation>Afficher ce &amp;groupe</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>D&amp;escription&#xa0;:</translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation>&amp;Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation>Dé&amp;tourer</translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation>Nombre&#xa0;:</translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation>Son act&amp;uel&#xa0;:</translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation>É&amp;couter les sons</translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation>C&amp;hoisir le son...</translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation>Suppri&amp;mer le son...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation>&amp;Effacer l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation>Couleur au &amp;hasard</translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation>Choisir la couleur de fond</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation>&amp;Limite&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Durée</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Key &amp;Delay</source>
        <translation>&amp;Intervalle</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>D&amp;urée</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Aut&amp;o Display</source>
        <translation>Dia&amp;porama</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>Du&amp;rée</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Sounds and Pictures</source>
        <translation>Sons et images</translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation>&amp;Sons par défaut...</translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation>&amp;Gérer le groupe...</translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation>A&amp;jouter un groupe...</translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation>Suppri&amp;mer le groupe...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation>À &amp;propos de Tapnest...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation>Fichier image</translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation>Taille (octets)</translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation>Détourée</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation>Le fichier %s existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation>Supprimer le fichier image %s&#xa0;? Le son associé sera supprimé aussi.</translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation>Voulez-vous vraiment supprimer le fichier image %s&#xa0;?</translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation>Le fichier son choisi remplacera l&apos;ancien. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation>Fichiers son WAV (*.wav) | *.wav||</translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation>Voulez-vous vraiment supprimer le fichier son %s&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation>Ne pas dé&amp;tourer</translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation>Dé&amp;tourer</translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation>Tapez «&#xa0;kolo486&#xa0;» pour quitter.</translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation>Les touches système ne sont pas bloquées sur ce bureau.</translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation>Les gestes tactiles ne sont pas bloqués sur ce bureau.</translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation>Les touches système ne seront pas bloquées sur ce bureau&#xa0;: voir l&apos;aide, «&#xa0;What does my desktop need?&#xa0;».</translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation>Touches système non bloquées&#xa0;: autorisez-le dans Paramètres, Applications, Tapnest.</translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation>Touches système non bloquées&#xa0;: autorisez-le quand GNOME le demande, à chaque partie.</translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation>Veuillez choisir un groupe d&apos;images à afficher.</translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation>Impossible de créer la fenêtre de jeu.</translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation>Tu as joué longtemps. C&apos;est l&apos;heure d&apos;une pause&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation>Supprimer les %d fichiers son choisis&#xa0;?</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>Taille (octets)</translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation>Voulez-vous vraiment supprimer le groupe d&apos;images %s&#xa0;? Le dossier de %s est
%s</translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation>Aucun groupe d&apos;images pour l&apos;instant.</translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation>Veuillez saisir le nom du groupe d&apos;images dans «&#xa0;Nom&#xa0;».
Cliquez sur OK, puis continuez la saisie.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation>Le groupe d&apos;images «&#xa0;%s&#xa0;» n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation>Le fichier %s n&apos;a pas pu être copié.</translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation>%s n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation>Libérez de la place sur le disque ou autorisez-y l&apos;écriture, puis réessayez.</translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation>Les fichiers suivants n&apos;ont pas été copiés.</translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation>Tapnest</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Time limit (minutes)</source>
        <translation>Limite de temps (minutes)</translation>
    </message>
    <message>
        <source>Key delay (milliseconds)</source>
        <translation>Délai entre touches (millisecondes)</translation>
    </message>
    <message>
        <source>Auto display (seconds)</source>
        <translation>Affichage automatique (secondes)</translation>
    </message>
    <message>
        <source>Default sounds</source>
        <translation>Sons par défaut</translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation>Merci</translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation>Merci pour votre soutien&#xa0;!</translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation>Vous trouverez d&apos;autres images et sons ici&#xa0;:</translation>
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
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation>Bienvenue dans Tapnest 2.2&#xa0;!</translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation>Le film et le jeu de votre bébé&#xa0;!</translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation>Appuyez sur «&#xa0;Démarrer&#xa0;»&#xa0;: votre bébé peut alors jouer avec l&apos;ordinateur, taper sur le clavier et cliquer avec la souris à sa guise. Il sera ravi. Restez près de lui, ne le laissez jamais seul.</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>&amp;Démarrer...</translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation>&amp;Réglages...</translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation>Plus d&apos;&amp;images et de sons...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation>Sobre o Tapnest</translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation>Tapnest versão 2.2</translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation>Imagens e sons para mãozinhas.</translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation>Cada tecla e cada clique traz</translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation>uma imagem nova com seu som.</translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation>Visite-nos em:</translation>
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
        <translation>Adicionar grupo de imagens</translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation>&amp;Pasta:</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrição:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation>Sons padrão</translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation>Imagens sem som próprio tocam um som escolhido ao acaso desta lista.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Tocar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Adicionar...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Excluir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation>Todas as imagens</translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation>Gerenciar grupo de imagens</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation>Mostrar este &amp;grupo</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrição:</translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation>&amp;Pasta:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation>&amp;Adicionar...</translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation>&amp;Excluir...</translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation>&amp;Som atual:</translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation>Toca&amp;r sons</translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation>Escol&amp;her som...</translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation>Excl&amp;uir som...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation>&amp;Limpar o fundo</translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation>Cor ao &amp;acaso</translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation>Escolher a cor de fundo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation>L&amp;imite:</translation>
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
        <translation>Sons e imagens</translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation>&amp;Sons padrão...</translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation>&amp;Gerenciar grupo...</translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation>A&amp;dicionar grupo...</translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation>&amp;Excluir grupo...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation>&amp;Sobre o Tapnest...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation>Arquivo de imagem</translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation>Tamanho (bytes)</translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation>Recortada</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation>O arquivo %s já existe. Substituir?</translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation>Excluir o arquivo de imagem %s? O som dele também será excluído.</translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation>Tem certeza de que deseja excluir o arquivo de imagem %s?</translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation>O som escolhido vai substituir o anterior. Continuar?</translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation>Arquivos de som WAV (*.wav) | *.wav||</translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation>Tem certeza de que deseja excluir o arquivo de som %s?</translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation>Não recor&amp;tar</translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation>Digite &quot;kolo486&quot; para sair.</translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation>As teclas do sistema não estão bloqueadas nesta área de trabalho.</translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation>Os gestos de toque não estão bloqueados nesta área de trabalho.</translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation>As teclas do sistema não serão bloqueadas nesta área de trabalho: veja a Ajuda, &quot;What does my desktop need?&quot;</translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation>Teclas do sistema não bloqueadas: permita em Configurações, Aplicativos, Tapnest.</translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation>Teclas do sistema não bloqueadas: permita quando o GNOME perguntar, a cada partida.</translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation>Escolha um grupo de imagens para mostrar.</translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation>Não foi possível criar a janela de jogo.</translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation>Você brincou bastante. Hora de descansar!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation>Excluir os %d arquivos de som escolhidos?</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>Tamanho (bytes)</translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation>Tem certeza de que deseja excluir o grupo de imagens %s? A pasta de %s é
%s</translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation>Ainda não há grupos de imagens.</translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation>Digite o nome do grupo de imagens em &quot;Nome&quot;.
Clique em OK e continue digitando.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Não foi possível salvar as configurações.</translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation>Não foi possível salvar o grupo de imagens &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation>Não foi possível copiar o arquivo %s.</translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation>Não foi possível excluir %s.</translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation>Libere espaço no disco ou permita a gravação nele e tente de novo.</translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation>Os arquivos seguintes não foram copiados.</translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation>Tapnest</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Digite um número inteiro entre %1 e %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Digite no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Time limit (minutes)</source>
        <translation>Limite de tempo (minutos)</translation>
    </message>
    <message>
        <source>Key delay (milliseconds)</source>
        <translation>Atraso das teclas (milissegundos)</translation>
    </message>
    <message>
        <source>Auto display (seconds)</source>
        <translation>Exibição automática (segundos)</translation>
    </message>
    <message>
        <source>Default sounds</source>
        <translation>Sons padrão</translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation>Obrigado</translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation>Obrigado pelo seu apoio!</translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation>Encontre mais imagens e sons em:</translation>
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
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation>Bem-vindo ao Tapnest 2.2!</translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation>O filme e o jogo do seu bebê!</translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation>Clique em &quot;Iniciar&quot;: seu bebê pode brincar com o computador, apertando as teclas e clicando o mouse à vontade, e vai adorar. Fique por perto e nunca deixe seu bebê sozinho.</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>&amp;Iniciar...</translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation>&amp;Configurações...</translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation>Mais imagens e &amp;sons...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
</TS>

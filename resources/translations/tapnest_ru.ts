<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation>О программе Tapnest</translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation>Tapnest, версия 2.2</translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation>Картинки и звуки для малышей.</translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation>Каждая клавиша и каждый клик —</translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation>новая картинка со своим звуком.</translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation>Заходите к нам:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
</context>
<context>
    <name>AddPictureGroupDialog</name>
    <message>
        <source>Add Picture Group</source>
        <translation>Добавить группу картинок</translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation>&amp;Папка:</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>Описани&amp;е:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation>Звуки по умолчанию</translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation>Картинка без своего звука звучит случайным звуком из этого списка.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Играть</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>С&amp;топ</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Добавить...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Удалить...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation>Все изображения</translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation>Группа картинок</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation>Показывать &amp;группу</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>Описани&amp;е:</translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation>&amp;Папка:</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Картинки</translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation>&amp;Добавить...</translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation>&amp;Удалить...</translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation>Всего:</translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation>Текущий &amp;звук:</translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation>Слу&amp;шать звуки</translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation>Выбр&amp;ать звук...</translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation>Удалить зву&amp;к...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation>Очищать &amp;фон</translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation>Случайный &amp;цвет</translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation>Выбрать цвет фона</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation>&amp;Лимит:</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>&amp;Срок:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Key &amp;Delay</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>С&amp;рок:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Aut&amp;o Display</source>
        <translation>&amp;Автопоказ</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>Сро&amp;к:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Sounds and Pictures</source>
        <translation>Звуки и картинки</translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation>&amp;Звуки по умолчанию...</translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation>&amp;Изменить группу...</translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation>&amp;Добавить группу...</translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation>&amp;Удалить группу...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Спра&amp;вка</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation>&amp;О программе Tapnest...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation>Файл картинки</translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation>Размер (байт)</translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation>Вырезана</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation>Файл %s уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation>Удалить файл картинки %s? Её звук тоже будет удалён.</translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation>Точно удалить файл картинки %s?</translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation>Выбранный звук заменит прежний. Продолжить?</translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation>Звуковые файлы WAV (*.wav) | *.wav||</translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation>Точно удалить звуковой файл %s?</translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation>Не &amp;вырезать</translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation>Наберите «kolo486», чтобы выйти.</translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation>Системные клавиши на этом рабочем столе не заблокированы.</translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation>Жесты касания на этом рабочем столе не заблокированы.</translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation>Системные клавиши на этом рабочем столе не будут заблокированы: см. Справку, «What does my desktop need?»</translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation>Системные клавиши не заблокированы: разрешите в Настройки, Приложения, Tapnest.</translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation>Системные клавиши не заблокированы: разрешите, когда GNOME спросит перед игрой.</translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation>Выберите группу картинок для показа.</translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation>Не удалось создать окно игры.</translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation>Ты уже долго играешь. Пора отдохнуть!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation>Удалить выбранные звуковые файлы (%d)?</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>Размер (байт)</translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation>Точно удалить группу картинок %s? Папка группы %s:
%s</translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation>Пока нет ни одной группы картинок.</translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation>Введите название группы картинок в поле «Имя».
Нажмите ОК и продолжайте ввод.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Не удалось сохранить настройки.</translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation>Не удалось сохранить группу картинок «%s».</translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation>Не удалось скопировать файл %s.</translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation>Не удалось удалить %s.</translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation>Освободите место на диске или разрешите туда запись и попробуйте снова.</translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation>Следующие файлы не скопированы.</translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation>Tapnest</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Введите не более %1 символов.</translation>
    </message>
    <message>
        <source>Time limit (minutes)</source>
        <translation>Ограничение времени (минуты)</translation>
    </message>
    <message>
        <source>Key delay (milliseconds)</source>
        <translation>Задержка клавиш (миллисекунды)</translation>
    </message>
    <message>
        <source>Auto display (seconds)</source>
        <translation>Автопоказ (секунды)</translation>
    </message>
    <message>
        <source>Default sounds</source>
        <translation>Звуки по умолчанию</translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation>Благодарности</translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation>Спасибо за вашу поддержку!</translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation>Больше картинок и звуков можно найти здесь:</translation>
    </message>
    <message>
        <source>1.Volume 1</source>
        <translation>1. Сборник 1</translation>
    </message>
    <message>
        <source>2. Volume 2</source>
        <translation>2. Сборник 2</translation>
    </message>
    <message>
        <source>3. Volume 3</source>
        <translation>3. Сборник 3</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation>Добро пожаловать в Tapnest 2.2!</translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation>Кино и игра для вашего малыша!</translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation>Нажмите «Старт», и малыш сможет играть с компьютером: нажимать клавиши и щёлкать мышью сколько захочет, и это его порадует. Будьте рядом и не оставляйте малыша одного.</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>&amp;Старт...</translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation>Ещё &amp;картинки и звуки...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Спр&amp;авка</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation>关于 Tapnest</translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation>Tapnest 2.2 版</translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation>给小手的图片和声音。</translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation>每按一个键、每点一下鼠标，</translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation>都会出现一张带声音的新图片。</translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation>欢迎访问：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>AddPictureGroupDialog</name>
    <message>
        <source>Add Picture Group</source>
        <translation>添加图片组</translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation>组路径(&amp;G)：</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>组名称(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>描述(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation>管理默认声音</translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation>没有指定声音的图片，显示时会随机配上下面列表中的一个声音。</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>删除(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation>所有图片文件</translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation>管理图片组</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>组名称(&amp;N)：</translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation>显示此组(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>描述(&amp;D)：</translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation>组路径(&amp;P)：</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation>添加图片(&amp;A)...</translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation>删除图片(&amp;E)...</translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation>抠图显示(&amp;T)</translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation>图片总数：</translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation>当前声音(&amp;N)：</translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation>播放声音(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation>指定声音(&amp;S)...</translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation>删除声音(&amp;U)...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation>清除背景(&amp;E)</translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation>随机换颜色(&amp;R)</translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation>选择背景颜色</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation>时间限制(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>值(&amp;T)</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Key &amp;Delay</source>
        <translation>按键间隔(&amp;D)</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>值(&amp;I)</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Aut&amp;o Display</source>
        <translation>自动显示(&amp;O)</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>值(&amp;M)</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Sounds and Pictures</source>
        <translation>声音和图片</translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation>管理默认声音(&amp;S)...</translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation>管理图片组(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation>添加图片组(&amp;A)...</translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation>删除图片组(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation>关于 Tapnest(&amp;A)...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation>图片文件名</translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation>图片大小(字节)</translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation>抠图显示</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation>文件 %s 已存在。要覆盖吗？</translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation>要删除图片文件 %s 吗？它的声音也会一起删除。</translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation>确定要删除图片文件 %s 吗？</translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation>选择的声音将替换原来的声音。继续吗？</translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation>WAV 声音文件 (*.wav) | *.wav||</translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation>确定要删除声音文件 %s 吗？</translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation>取消抠图(&amp;T)</translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation>抠图显示(&amp;T)</translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation>输入“kolo486”退出。</translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation>此桌面上的系统键没有被锁定。</translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation>此桌面上的触摸手势没有被锁定。</translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation>此桌面上的系统键将不会被锁定：请参阅帮助中的“What does my desktop need?”。</translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation>系统键未锁定：请在“设置”→“应用程序”→“Tapnest”中允许。</translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation>系统键未锁定：每次游戏时 GNOME 询问，请选择允许。</translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation>请选择一个要显示的图片组。</translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation>无法创建游戏窗口。</translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation>你已经玩了很久了，休息一下吧！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation>要删除选中的 %d 个声音文件吗？</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>文件大小(字节)</translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation>确定要删除图片组 %s 吗？%s 的路径是
%s</translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation>暂时没有图片组。</translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation>请在“组名称”中输入图片组的名称。
按“确定”后请继续输入。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>无法保存设置。</translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation>无法保存图片组“%s”。</translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation>无法复制文件 %s。</translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation>无法删除 %s。</translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation>请在磁盘上腾出空间或允许写入，然后重试。</translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation>之后的文件没有复制。</translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation>Tapnest</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>请输入不超过 %1 个字符。</translation>
    </message>
    <message>
        <source>Time limit (minutes)</source>
        <translation>时间限制（分钟）</translation>
    </message>
    <message>
        <source>Key delay (milliseconds)</source>
        <translation>按键延迟（毫秒）</translation>
    </message>
    <message>
        <source>Auto display (seconds)</source>
        <translation>自动显示（秒）</translation>
    </message>
    <message>
        <source>Default sounds</source>
        <translation>默认声音</translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation>致谢</translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation>感谢您的支持！</translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation>您可以在这里获取更多图片和声音：</translation>
    </message>
    <message>
        <source>1.Volume 1</source>
        <translation>1. 第 1 辑</translation>
    </message>
    <message>
        <source>2. Volume 2</source>
        <translation>2. 第 2 辑</translation>
    </message>
    <message>
        <source>3. Volume 3</source>
        <translation>3. 第 3 辑</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation>欢迎使用 Tapnest 2.2！</translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation>为宝宝打造的影片和游戏！</translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation>按下“开始”按钮，宝宝就可以随意按键盘、点鼠标，和电脑一起玩，玩得开开心心。请一定陪在宝宝身边，不要让宝宝独自一人。</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>开始(&amp;S)...</translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation>设置(&amp;T)...</translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation>获取更多图片和声音(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
</TS>

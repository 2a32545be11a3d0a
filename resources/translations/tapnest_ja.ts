<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tapnest</source>
        <translation>Tapnest について</translation>
    </message>
    <message>
        <source>Tapnest Ver 2.2</source>
        <translation>Tapnest バージョン 2.2</translation>
    </message>
    <message>
        <source>Pictures and sounds for little hands.</source>
        <translation>小さな手のための絵と音。</translation>
    </message>
    <message>
        <source>Every key and every click brings a</source>
        <translation>キーを押しても、クリックしても、</translation>
    </message>
    <message>
        <source>new picture with its own sound.</source>
        <translation>新しい絵がその音といっしょに出ます。</translation>
    </message>
    <message>
        <source>Welcome to Visit:</source>
        <translation>ホームページ:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
</context>
<context>
    <name>AddPictureGroupDialog</name>
    <message>
        <source>Add Picture Group</source>
        <translation>絵のグループを追加</translation>
    </message>
    <message>
        <source>&amp;Group Path:</source>
        <translation>フォルダー(&amp;G):</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>説明(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
</context>
<context>
    <name>ManageDefaultSoundsDialog</name>
    <message>
        <source>Manage Default Sounds</source>
        <translation>標準の音の管理</translation>
    </message>
    <message>
        <source>If you have not specified a sound for the picture you will display, the picture will be displayed going with the sound chosen random from the sounds below.</source>
        <translation>音を指定していない絵は、下の一覧から選ばれた音といっしょに表示されます。</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>削除(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>ManagePictureGroupDialog</name>
    <message>
        <source>All Image Files</source>
        <translation>すべての画像ファイル</translation>
    </message>
    <message>
        <source>Manage Picture Group</source>
        <translation>絵のグループの管理</translation>
    </message>
    <message>
        <source>Group &amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>Display This &amp;Group</source>
        <translation>このグループを表示(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>説明(&amp;D):</translation>
    </message>
    <message>
        <source>Group &amp;Path:</source>
        <translation>フォルダー(&amp;P):</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>絵</translation>
    </message>
    <message>
        <source>&amp;Add Pictures...</source>
        <translation>絵を追加(&amp;A)...</translation>
    </message>
    <message>
        <source>D&amp;elete Picture...</source>
        <translation>絵を削除(&amp;E)...</translation>
    </message>
    <message>
        <source>Cu&amp;t to Display</source>
        <translation>切り抜き表示(&amp;T)</translation>
    </message>
    <message>
        <source>Total Pictures:</source>
        <translation>絵の数:</translation>
    </message>
    <message>
        <source>Current Sou&amp;nd:</source>
        <translation>現在の音(&amp;N):</translation>
    </message>
    <message>
        <source>P&amp;lay Sounds</source>
        <translation>音を再生(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Specify Sounds...</source>
        <translation>音を指定(&amp;S)...</translation>
    </message>
    <message>
        <source>Delete So&amp;unds...</source>
        <translation>音を削除(&amp;U)...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Cl&amp;ear BackGround</source>
        <translation>背景を消す(&amp;E)</translation>
    </message>
    <message>
        <source>Change the Color &amp;Randomly</source>
        <translation>色をランダムに変える(&amp;R)</translation>
    </message>
    <message>
        <source>Selcet the Color of BackGround</source>
        <translation>背景の色を選ぶ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Time &amp;Limit:</source>
        <translation>時間制限(&amp;L):</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>値(&amp;T)</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Key &amp;Delay</source>
        <translation>キー間隔(&amp;D)</translation>
    </message>
    <message>
        <source>T&amp;ime:</source>
        <translation>値(&amp;I)</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Aut&amp;o Display</source>
        <translation>自動表示(&amp;O)</translation>
    </message>
    <message>
        <source>Ti&amp;me:</source>
        <translation>値(&amp;M)</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Sounds and Pictures</source>
        <translation>音と絵</translation>
    </message>
    <message>
        <source>Manage Default &amp;Sounds...</source>
        <translation>標準の音の管理(&amp;S)...</translation>
    </message>
    <message>
        <source>Ma&amp;nage Pictures Group...</source>
        <translation>絵のグループの管理(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Add Pictures Group...</source>
        <translation>絵のグループを追加(&amp;A)...</translation>
    </message>
    <message>
        <source>Delete &amp;Pictures Group...</source>
        <translation>絵のグループを削除(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;About Tapnest...</source>
        <translation>Tapnest について(&amp;A)...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Picture File Name</source>
        <translation>画像ファイル名</translation>
    </message>
    <message>
        <source>Picture File Size(Bytes)</source>
        <translation>サイズ (バイト)</translation>
    </message>
    <message>
        <source>Cut to be displayed</source>
        <translation>切り抜き表示</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>File %s has existed. Overwrite it?</source>
        <translation>ファイル %s はすでにあります。上書きしますか?</translation>
    </message>
    <message>
        <source>Do you want to delete the picture file %s? Its sound will be deleted with it.</source>
        <translation>画像ファイル %s を削除しますか? その音もいっしょに削除されます。</translation>
    </message>
    <message>
        <source>Do you assure that you want to delete the picture file %s?</source>
        <translation>画像ファイル %s を本当に削除しますか?</translation>
    </message>
    <message>
        <source>The specified sound file will overwrite the old one. Continue?</source>
        <translation>選んだ音で前の音を置き換えます。続けますか?</translation>
    </message>
    <message>
        <source>Sound wave files (*.wav) | *.wav||</source>
        <translation>WAV 音声ファイル (*.wav) | *.wav||</translation>
    </message>
    <message>
        <source>Are you sure to delete the sound file %s?</source>
        <translation>音声ファイル %s を本当に削除しますか?</translation>
    </message>
    <message>
        <source>Cancel Cu&amp;tting</source>
        <translation>切り抜きをやめる(&amp;T)</translation>
    </message>
    <message>
        <source>Cu&amp;t to display</source>
        <translation>切り抜き表示(&amp;T)</translation>
    </message>
    <message>
        <source>Type &quot;kolo486&quot; to quit.</source>
        <translation>終わるには「kolo486」と入力してください。</translation>
    </message>
    <message>
        <source>The system keys are not locked on this desktop.</source>
        <translation>このデスクトップではシステムキーがロックされていません。</translation>
    </message>
    <message>
        <source>Touch gestures are not locked on this desktop.</source>
        <translation>このデスクトップではタッチ操作がロックされていません。</translation>
    </message>
    <message>
        <source>The system keys will not be locked on this desktop: see Help, What does my desktop need?</source>
        <translation>このデスクトップではシステムキーをロックできません。ヘルプの「What does my desktop need?」をご覧ください。</translation>
    </message>
    <message>
        <source>System keys not locked: allow it in Settings, Applications, Tapnest.</source>
        <translation>システムキーがロックされていません。「設定」→「アプリ」→「Tapnest」で許可してください。</translation>
    </message>
    <message>
        <source>System keys not locked: allow it when GNOME asks at each play.</source>
        <translation>システムキーがロックされていません。遊ぶたびに GNOME が確認したら許可してください。</translation>
    </message>
    <message>
        <source>Please select one picture group to display.</source>
        <translation>表示する絵のグループを一つ選んでください。</translation>
    </message>
    <message>
        <source>Create the playing window failed.</source>
        <translation>遊ぶためのウィンドウを作れませんでした。</translation>
    </message>
    <message>
        <source>You have played for a long time. Please have a rest.</source>
        <translation>たくさん遊んだね。ちょっと休もう!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Delete the chosen %d sounds files?</source>
        <translation>選んだ %d 個の音声ファイルを削除しますか?</translation>
    </message>
    <message>
        <source>File Size (Bytes)</source>
        <translation>サイズ (バイト)</translation>
    </message>
    <message>
        <source>Assure that you want to delete the pictures group %s and the path of %s is 
%s?</source>
        <translation>絵のグループ %s を本当に削除しますか? %s のフォルダーは
%s です。</translation>
    </message>
    <message>
        <source>No pictures group temporarily.</source>
        <translation>まだ絵のグループがありません。</translation>
    </message>
    <message>
        <source>You must enter the picture group name into &quot;group name&quot;. 
 Please go on entering after having pressed the button OK.</source>
        <translation>「名前」に絵のグループの名前を入力してください。
OK を押してから入力を続けてください。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>設定を保存できませんでした。</translation>
    </message>
    <message>
        <source>The picture group &quot;%s&quot; could not be saved.</source>
        <translation>絵のグループ「%s」を保存できませんでした。</translation>
    </message>
    <message>
        <source>The file %s could not be copied.</source>
        <translation>ファイル %s をコピーできませんでした。</translation>
    </message>
    <message>
        <source>%s could not be deleted.</source>
        <translation>%s を削除できませんでした。</translation>
    </message>
    <message>
        <source>Make room on the disk or allow writing there, then try again.</source>
        <translation>ディスクの空きを作るか書き込みを許可してから、もう一度試してください。</translation>
    </message>
    <message>
        <source>The files after it were not copied.</source>
        <translation>それ以降のファイルはコピーされていません。</translation>
    </message>
    <message>
        <source>Tapnest</source>
        <translation>Tapnest</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>%1 文字以内で入力してください。</translation>
    </message>
    <message>
        <source>Time limit (minutes)</source>
        <translation>時間制限（分）</translation>
    </message>
    <message>
        <source>Key delay (milliseconds)</source>
        <translation>キーの遅延（ミリ秒）</translation>
    </message>
    <message>
        <source>Auto display (seconds)</source>
        <translation>自動表示（秒）</translation>
    </message>
    <message>
        <source>Default sounds</source>
        <translation>標準の音</translation>
    </message>
</context>
<context>
    <name>ThanksDialog</name>
    <message>
        <source>Thanks</source>
        <translation>ありがとう</translation>
    </message>
    <message>
        <source>We appreciate your supporting!</source>
        <translation>ご支援ありがとうございます!</translation>
    </message>
    <message>
        <source>You can get more picture and voice files:</source>
        <translation>ほかの絵や音はこちらで入手できます:</translation>
    </message>
    <message>
        <source>1.Volume 1</source>
        <translation>1. 第 1 集</translation>
    </message>
    <message>
        <source>2. Volume 2</source>
        <translation>2. 第 2 集</translation>
    </message>
    <message>
        <source>3. Volume 3</source>
        <translation>3. 第 3 集</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Welcome to Tapnest 2.2 !</source>
        <translation>Tapnest 2.2 へようこそ!</translation>
    </message>
    <message>
        <source>Create the baby&apos;s movie and baby&apos;s game!</source>
        <translation>赤ちゃんのための映像とゲーム!</translation>
    </message>
    <message>
        <source>Press the button &quot;Start&quot;, then your baby can play with the computer,  pressing the keyboard and clicking the mouse at will.  And this will make your baby feeling satisfied. Be sure that you attend your baby, instead of letting it alone.</source>
        <translation>「スタート」を押すと、赤ちゃんはキーボードを押したりマウスをクリックしたりして、コンピューターで自由に遊べます。きっと喜んでくれるでしょう。赤ちゃんをひとりにせず、必ずそばで見守ってください。</translation>
    </message>
    <message>
        <source>&amp;Start...</source>
        <translation>スタート(&amp;S)...</translation>
    </message>
    <message>
        <source>Se&amp;tup...</source>
        <translation>設定(&amp;T)...</translation>
    </message>
    <message>
        <source>Get more picture &amp;and voice files ...</source>
        <translation>絵と音をもっと入手(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
</TS>

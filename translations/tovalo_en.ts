<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>%1のﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｼｽﾃﾑ情報(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>現時点ではｼｽﾃﾑ情報を使用できません</source>
        <translation>System information is unavailable at this time.</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>色(&amp;C):</source>
        <translation>&amp;Colour:</translation>
    </message>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>栗色</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>オリーブ</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>紺</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>青緑</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>銀色</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>ライム</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>赤紫</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>自動更新</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>行を空ける</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>行数</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>文字数</source>
        <translation>Chars</translation>
    </message>
    <message>
        <source>余白</source>
        <translation>Mgn</translation>
    </message>
    <message>
        <source>本文</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>もとの文章</source>
        <translation>Source text</translation>
    </message>
    <message>
        <source>縦書き</source>
        <translation>Vertical text</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>メールソフト</source>
        <translation>Mail program</translation>
    </message>
    <message>
        <source>変換</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>携帯電話用</source>
        <translation>Phone pages</translation>
    </message>
    <message>
        <source>最新バージョンが存在します</source>
        <translation>A newer version is available.</translation>
    </message>
    <message>
        <source>ファイル読み込み中にエラーが発生しましたが大した問題にはならないでしょう</source>
        <translation>An error occurred while reading a file, but it is probably nothing serious.</translation>
    </message>
    <message>
        <source>設定ファイルを保存できませんでした。</source>
        <translation>The settings file could not be saved.</translation>
    </message>
    <message>
        <source>フォントによっては表示がおかしくなります</source>
        <translation>Some fonts may not show the vertical text correctly.</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>-もとの文章-</source>
        <translation>-Source text-</translation>
    </message>
    <message>
        <source>すべて選択</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>-縦書き-</source>
        <translation>-Vertical text-</translation>
    </message>
    <message>
        <source>すべてコピー</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>タグ付きコピー</source>
        <translation>Copy with HTML tags</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>説明書</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>ホームページ</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*|</source>
        <translation>Text files (*.txt)|*.txt|All files (*.*)|*.*|</translation>
    </message>
    <message>
        <source>テキスト ファイル (*.txt)|*.txt|htmlファイル (*.htm)|*.htm|すべてのファイル (*.*)|*.*|</source>
        <translation>Text files (*.txt)|*.txt|HTML files (*.htm)|*.htm|All files (*.*)|*.*|</translation>
    </message>
    <message>
        <source>アプリケーション (*.exe)|*.exe|すべてのファイル (*.*)|*.*|</source>
        <translation>Programs (*.exe)|*.exe|All files (*.*)|*.*|</translation>
    </message>
    <message>
        <source>メールソフトを指定してください</source>
        <translation>Choose your mail program</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした。</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎるため開けませんでした（%1 MB まで）。</source>
        <translation>The file is too large to open (up to %1 MB).</translation>
    </message>
    <message>
        <source>本文の文字数が数値ではありません</source>
        <translation>The characters per line are not a number</translation>
    </message>
    <message>
        <source>本文の文字数が大きすぎます</source>
        <translation>The characters per line are too many</translation>
    </message>
    <message>
        <source>本文の文字数は 1 以上にしてください</source>
        <translation>The characters per line must be at least 1</translation>
    </message>
    <message>
        <source>行数が数値ではありません</source>
        <translation>The number of lines is not a number</translation>
    </message>
    <message>
        <source>行数が 32767 を超えます</source>
        <translation>The number of lines is above 32767</translation>
    </message>
    <message>
        <source>行数は 1 以上にしてください</source>
        <translation>The number of lines must be at least 1</translation>
    </message>
    <message>
        <source>余白が数値ではありません</source>
        <translation>The margin is not a number</translation>
    </message>
    <message>
        <source>余白が大きすぎます</source>
        <translation>The margin is too large</translation>
    </message>
    <message>
        <source>余白は 0 以上にしてください</source>
        <translation>The margin must not be negative</translation>
    </message>
    <message>
        <source>本文の文字数と行数の積が大きすぎます</source>
        <translation>Characters per line times lines is too large</translation>
    </message>
    <message>
        <source>文章が長すぎます</source>
        <translation>The text is too long</translation>
    </message>
    <message>
        <source>縦書きの行数が 32767 を超えます</source>
        <translation>The vertical text needs more than 32767 lines</translation>
    </message>
    <message>
        <source>行を空けるには、ぶら下がる行が 32767 文字以上あります</source>
        <translation>The hanging row is too long (32767 characters or more) for spacing</translation>
    </message>
    <message>
        <source>行数を指定するときは、文章を 32767 文字未満にしてください</source>
        <translation>With a fixed number of lines the text must be shorter than 32767 characters</translation>
    </message>
    <message>
        <source>行数を指定するときは、文字数と行数の積を 32767 以下にしてください</source>
        <translation>With a fixed number of lines, characters per line times lines must be at most 32767</translation>
    </message>
    <message>
        <source>行数を指定するときは、本文の文字数を 32767 以下にしてください</source>
        <translation>With a fixed number of lines, the characters per line must be at most 32767</translation>
    </message>
    <message>
        <source>縦書きの結果が大きすぎます</source>
        <translation>The vertical text would be too large</translation>
    </message>
    <message>
        <source>変換できませんでした</source>
        <translation>The text could not be converted</translation>
    </message>
    <message>
        <source>テキスト ファイルではないため開けませんでした。</source>
        <translation>This file could not be opened: it is not a text file.</translation>
    </message>
    <message>
        <source>開けませんでした。ブラウザーで開いてください。</source>
        <translation>This could not be opened. Please open it in a web browser.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>設定</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>起動時</source>
        <translation>At start</translation>
    </message>
    <message>
        <source>説明書</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>空白</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>前回の文章</source>
        <translation>Last text</translation>
    </message>
    <message>
        <source>行間</source>
        <translation>Between lines</translation>
    </message>
    <message>
        <source>半角1文字</source>
        <translation>1 narrow</translation>
    </message>
    <message>
        <source>半角2文字</source>
        <translation>2 narrow</translation>
    </message>
    <message>
        <source>全角1文字</source>
        <translation>1 wide</translation>
    </message>
    <message>
        <source>| （半角）</source>
        <translation>| narrow</translation>
    </message>
    <message>
        <source>｜(全角)</source>
        <translation>｜ wide</translation>
    </message>
    <message>
        <source>文字変換</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>ー → ｜</source>
        <translation>ー → ｜</translation>
    </message>
    <message>
        <source>半角数字→全角</source>
        <translation>Wide digits</translation>
    </message>
    <message>
        <source>句読点整形</source>
        <translation>Shape 。、</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>縦書き用の記号</source>
        <translation>Vertical marks</translation>
    </message>
    <message>
        <source>数字2桁を横に並べる</source>
        <translation>2 digits across</translation>
    </message>
</context>
<context>
    <name>PhoneDialog</name>
    <message>
        <source>携帯電話用</source>
        <translation>Phone pages</translation>
    </message>
    <message>
        <source>縦</source>
        <translation>H</translation>
    </message>
    <message>
        <source>横</source>
        <translation>W</translation>
    </message>
    <message>
        <source>改行を入れる</source>
        <translation>Line breaks</translation>
    </message>
    <message>
        <source>前面に表示</source>
        <translation>On top</translation>
    </message>
    <message>
        <source>区切り記号</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>約 %1文字</source>
        <translation>About %1 chars</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
</context>
</TS>

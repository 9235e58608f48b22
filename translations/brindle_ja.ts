<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Brindle</name>
    <message>
        <source>Copy &amp;Without Format</source>
        <translation>書式なしでコピー(&amp;W)</translation>
    </message>
    <message>
        <source>As &amp;CSV</source>
        <translation>CSV として(&amp;C)</translation>
    </message>
    <message>
        <source>As &amp;Text</source>
        <translation>テキストとして(&amp;T)</translation>
    </message>
    <message>
        <source>Paste Without &amp;Format</source>
        <translation>書式なしで貼り付け(&amp;F)</translation>
    </message>
    <message>
        <source>Te&amp;xt Processing</source>
        <translation>文字列の処理(&amp;X)</translation>
    </message>
    <message>
        <source>To &amp;Math</source>
        <translation>数式にする(&amp;M)</translation>
    </message>
    <message>
        <source>To &amp;Plain</source>
        <translation>数式をやめる(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>削除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>罫線(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>文字(&amp;T)</translation>
    </message>
    <message>
        <source>Text &amp;Input (F5)...</source>
        <translation>文字入力 (F5)(&amp;I)...</translation>
    </message>
    <message>
        <source>Text &amp;Position</source>
        <translation>文字の位置(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>左(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>中央(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>右(&amp;R)</translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation>線(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Single</source>
        <translation>単線(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Around</source>
        <translation>外枠(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation>上(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>下(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>二重線(&amp;D)</translation>
    </message>
    <message>
        <source>Te&amp;mplate</source>
        <translation>定型(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>クリア(&amp;C)</translation>
    </message>
    <message>
        <source>Line &amp;Palette</source>
        <translation>線パレット(&amp;P)</translation>
    </message>
    <message>
        <source>LaTeX(&amp;L)</source>
        <translation>LaTeX(&amp;L)</translation>
    </message>
    <message>
        <source>產生原始碼(&amp;G)</source>
        <translation>產生原始碼(&amp;G)</translation>
    </message>
    <message>
        <source>產生原始碼之選項(&amp;O)</source>
        <translation>產生原始碼之選項(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Cell &amp;Size...</source>
        <translation>セルのサイズ(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>フォント(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Automatic Row Height</source>
        <translation>行の高さを自動調整(&amp;A)</translation>
    </message>
    <message>
        <source>F&amp;it Widths to Texts</source>
        <translation>幅を文字列に合わせる(&amp;I)</translation>
    </message>
    <message>
        <source>S&amp;tandardize All Cells</source>
        <translation>すべてのセルを標準サイズに(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>目次(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;About VBrdR...</source>
        <translation>VBrdR について(&amp;A)...</translation>
    </message>
    <message>
        <source>Text &amp;Input...</source>
        <translation>文字入力(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Generate...</source>
        <translation>生成(&amp;G)...</translation>
    </message>
    <message>
        <source>Line P&amp;alette</source>
        <translation>線パレット(&amp;A)</translation>
    </message>
    <message>
        <source>Create a new table</source>
        <translation>新しい表を作ります</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Open a table, a CSV file or a text file</source>
        <translation>表、CSV ファイル、テキストファイルを開きます</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save the table</source>
        <translation>表を保存します</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Save the table under a new name</source>
        <translation>表に新しい名前を付けて保存します</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Quit the program; asks to save changes</source>
        <translation>プログラムを終了します。変更を保存するか確認します</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>直前の変更を元に戻します</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>選択範囲を切り取ってクリップボードに移します</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>選択範囲をクリップボードにコピーします</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste the clipboard at the cursor</source>
        <translation>クリップボードの内容をカーソル位置に貼り付けます</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Delete the cells of the selection</source>
        <translation>選択範囲のセルを削除します</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Copy the texts of the selection as CSV</source>
        <translation>選択範囲の文字列を CSV としてコピーします</translation>
    </message>
    <message>
        <source>Copy as CSV</source>
        <translation>CSV としてコピー</translation>
    </message>
    <message>
        <source>Copy the texts of the selection as tab-separated text</source>
        <translation>選択範囲の文字列をタブ区切りテキストとしてコピーします</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>テキストとしてコピー</translation>
    </message>
    <message>
        <source>Paste CSV text from the clipboard</source>
        <translation>クリップボードの CSV テキストを貼り付けます</translation>
    </message>
    <message>
        <source>Paste CSV</source>
        <translation>CSV の貼り付け</translation>
    </message>
    <message>
        <source>Paste tab-separated text from the clipboard</source>
        <translation>クリップボードのタブ区切りテキストを貼り付けます</translation>
    </message>
    <message>
        <source>Paste text</source>
        <translation>テキストの貼り付け</translation>
    </message>
    <message>
        <source>Put the texts of the selection in math mode</source>
        <translation>選択範囲の文字列を数式モードにします</translation>
    </message>
    <message>
        <source>To math</source>
        <translation>数式にする</translation>
    </message>
    <message>
        <source>Take the texts of the selection out of math mode</source>
        <translation>選択範囲の文字列の数式モードを解除します</translation>
    </message>
    <message>
        <source>To plain</source>
        <translation>数式をやめる</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>ツールバーを表示または非表示にします</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>ステータスバーを表示または非表示にします</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>Show or hide the grid lines</source>
        <translation>罫線を表示または非表示にします</translation>
    </message>
    <message>
        <source>Grid display</source>
        <translation>罫線の表示</translation>
    </message>
    <message>
        <source>Type the text of the selected cells</source>
        <translation>選択したセルの文字列を入力します</translation>
    </message>
    <message>
        <source>Text input</source>
        <translation>文字入力</translation>
    </message>
    <message>
        <source>Place the texts at the left</source>
        <translation>文字列を左に寄せます</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左寄せ</translation>
    </message>
    <message>
        <source>Place the texts in the centre</source>
        <translation>文字列を中央に置きます</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央揃え</translation>
    </message>
    <message>
        <source>Place the texts at the right</source>
        <translation>文字列を右に寄せます</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右寄せ</translation>
    </message>
    <message>
        <source>Single line around the selection</source>
        <translation>選択範囲を単線で囲みます</translation>
    </message>
    <message>
        <source>Single frame</source>
        <translation>単線の外枠</translation>
    </message>
    <message>
        <source>Single line along the top</source>
        <translation>上辺に単線を引きます</translation>
    </message>
    <message>
        <source>Single top</source>
        <translation>上の単線</translation>
    </message>
    <message>
        <source>Single line along the bottom</source>
        <translation>下辺に単線を引きます</translation>
    </message>
    <message>
        <source>Single bottom</source>
        <translation>下の単線</translation>
    </message>
    <message>
        <source>Single line along the left side</source>
        <translation>左辺に単線を引きます</translation>
    </message>
    <message>
        <source>Single left</source>
        <translation>左の単線</translation>
    </message>
    <message>
        <source>Single line along the right side</source>
        <translation>右辺に単線を引きます</translation>
    </message>
    <message>
        <source>Single right</source>
        <translation>右の単線</translation>
    </message>
    <message>
        <source>Double line around the selection</source>
        <translation>選択範囲を二重線で囲みます</translation>
    </message>
    <message>
        <source>Double frame</source>
        <translation>二重線の外枠</translation>
    </message>
    <message>
        <source>Double line along the top</source>
        <translation>上辺に二重線を引きます</translation>
    </message>
    <message>
        <source>Double top</source>
        <translation>上の二重線</translation>
    </message>
    <message>
        <source>Double line along the bottom</source>
        <translation>下辺に二重線を引きます</translation>
    </message>
    <message>
        <source>Double bottom</source>
        <translation>下の二重線</translation>
    </message>
    <message>
        <source>Double line along the left side</source>
        <translation>左辺に二重線を引きます</translation>
    </message>
    <message>
        <source>Double left</source>
        <translation>左の二重線</translation>
    </message>
    <message>
        <source>Double line along the right side</source>
        <translation>右辺に二重線を引きます</translation>
    </message>
    <message>
        <source>Double right</source>
        <translation>右の二重線</translation>
    </message>
    <message>
        <source>Single lines on every edge of the selection</source>
        <translation>選択範囲のすべての辺に単線を引きます</translation>
    </message>
    <message>
        <source>Grid lines</source>
        <translation>格子状の線</translation>
    </message>
    <message>
        <source>Apply a line template to the selection</source>
        <translation>選択範囲に定型の線を引きます</translation>
    </message>
    <message>
        <source>Line template</source>
        <translation>定型の線</translation>
    </message>
    <message>
        <source>Remove the lines of the selection</source>
        <translation>選択範囲の線を消します</translation>
    </message>
    <message>
        <source>Clear lines</source>
        <translation>線のクリア</translation>
    </message>
    <message>
        <source>Open the line palette</source>
        <translation>線パレットを開きます</translation>
    </message>
    <message>
        <source>Line palette</source>
        <translation>線パレット</translation>
    </message>
    <message>
        <source>Generate LaTeX or HTML source for the selection</source>
        <translation>選択範囲の LaTeX または HTML のソースを生成します</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>Set the options of the generated source</source>
        <translation>生成するソースのオプションを設定します</translation>
    </message>
    <message>
        <source>Generation options</source>
        <translation>生成のオプション</translation>
    </message>
    <message>
        <source>Set column widths and the row height</source>
        <translation>列の幅と行の高さを設定します</translation>
    </message>
    <message>
        <source>Cell size</source>
        <translation>セルのサイズ</translation>
    </message>
    <message>
        <source>Choose the display font</source>
        <translation>表示フォントを選びます</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Follow the font with the row height</source>
        <translation>行の高さをフォントに合わせます</translation>
    </message>
    <message>
        <source>Automatic row height</source>
        <translation>行の高さの自動調整</translation>
    </message>
    <message>
        <source>Fit the column widths to their texts</source>
        <translation>列の幅を文字列に合わせます</translation>
    </message>
    <message>
        <source>Fit widths</source>
        <translation>幅を合わせる</translation>
    </message>
    <message>
        <source>Give every cell the standard size</source>
        <translation>すべてのセルを標準サイズにします</translation>
    </message>
    <message>
        <source>Standard size</source>
        <translation>標準サイズ</translation>
    </message>
    <message>
        <source>List the keys and commands</source>
        <translation>キーとコマンドの一覧を表示します</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and contacts</source>
        <translation>プログラムのバージョンと連絡先を表示します</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>レディ</translation>
    </message>
    <message>
        <source>&lt;Brindle&gt;形式 (*.brd)</source>
        <translation>&lt;Brindle&gt;形式 (*.brd)</translation>
    </message>
    <message>
        <source>ｺﾝﾏ区切り&lt;CSV&gt;形式 (*.csv)</source>
        <translation>ｺﾝﾏ区切り&lt;CSV&gt;形式 (*.csv)</translation>
    </message>
    <message>
        <source>ﾃｷｽﾄﾌｧｲﾙ (*.txt)</source>
        <translation>ﾃｷｽﾄﾌｧｲﾙ (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>TeX形式 (*.tex)</source>
        <translation>TeX形式 (*.tex)</translation>
    </message>
    <message>
        <source>Text形式 (*.txt)</source>
        <translation>Text形式 (*.txt)</translation>
    </message>
    <message>
        <source>出力先新規ファイルの選択</source>
        <translation>出力先新規ファイルの選択</translation>
    </message>
    <message>
        <source>出力先既存ファイルの選択</source>
        <translation>出力先既存ファイルの選択</translation>
    </message>
    <message>
        <source>現在編集中のデータを保存しますか？</source>
        <translation>現在編集中のデータを保存しますか？</translation>
    </message>
    <message>
        <source>CSV形式での保存は出来ません。</source>
        <translation>CSV形式での保存は出来ません。</translation>
    </message>
    <message>
        <source>旧&lt;Brindle&gt;形式として認識しました。
保存する時，自動的に新&lt;Brindle&gt;形式に変換されます。</source>
        <translation>旧&lt;Brindle&gt;形式として認識しました。
保存する時，自動的に新&lt;Brindle&gt;形式に変換されます。</translation>
    </message>
    <message>
        <source>読み込みに失敗しました!
ファイルが壊れている可能性があります！</source>
        <translation>読み込みに失敗しました!
ファイルが壊れている可能性があります！</translation>
    </message>
    <message>
        <source>ファイルの読み込みに失敗しちゃいましたよーだ！</source>
        <translation>ファイルの読み込みに失敗しちゃいましたよーだ！</translation>
    </message>
    <message>
        <source>%1
指定のファイルを開けません！</source>
        <translation>%1
指定のファイルを開けません！</translation>
    </message>
    <message>
        <source>%1
%2行目の%3番目の項目に、コードページ932で表せない文字「%4」が含まれています！</source>
        <translation>%1
%2行目の%3番目の項目に、コードページ932で表せない文字「%4」が含まれています！</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 への変更を保存しますか?</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>ファイル &quot;%1&quot; を保存できません: %2。</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <translation>ファイル &quot;%1&quot; を開けません: %2。</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;: %2.</source>
        <translation>ファイル &quot;%1&quot; を読み込めません: %2。</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>ファイルが途中で終わっています</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>The folder belongs to another user</source>
        <translation>フォルダーの所有者が別のユーザーです</translation>
    </message>
    <message>
        <source>生成ターゲット情報が、壊れています！</source>
        <translation>生成ターゲット情報が、壊れています！</translation>
    </message>
    <message>
        <source>完了しました！</source>
        <translation>完了しました！</translation>
    </message>
    <message>
        <source>ファイルを開けません！
%1</source>
        <translation>ファイルを開けません！
%1</translation>
    </message>
    <message>
        <source>%1
ファイルを開けません！</source>
        <translation>%1
ファイルを開けません！</translation>
    </message>
    <message>
        <source>%1
指定のキーワードが見つかりません！</source>
        <translation>%1
指定のキーワードが見つかりません！</translation>
    </message>
    <message>
        <source>%1
%2 で表せない文字が含まれているため、書き込みませんでした！</source>
        <translation>%1
%2 で表せない文字が含まれているため、書き込みませんでした！</translation>
    </message>
    <message>
        <source>コードページ932で表せない文字「%1」が含まれています！</source>
        <translation>コードページ932で表せない文字「%1」が含まれています！</translation>
    </message>
    <message>
        <source>コードページ932で表せない文字「%1」が含まれているため、出力できません！</source>
        <translation>コードページ932で表せない文字「%1」が含まれているため、出力できません！</translation>
    </message>
    <message>
        <source>生成した原始碼にコードページ932として読めないバイトがあります。
読めない部分は「�」で示し、編集はできません。保存とクリップボードへの出力は元のバイトのまま行います。</source>
        <translation>生成した原始碼にコードページ932として読めないバイトがあります。
読めない部分は「�」で示し、編集はできません。保存とクリップボードへの出力は元のバイトのまま行います。</translation>
    </message>
    <message>
        <source>クリップボードに出力できません！</source>
        <translation>クリップボードに出力できません！</translation>
    </message>
    <message>
        <source>1 から 250 までの整数を入力してください。</source>
        <translation>1 から 250 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>文字列が長すぎます！ 1つのセルには 65535 バイトまで入力できます。</source>
        <translation>文字列が長すぎます！ 1つのセルには 65535 バイトまで入力できます。</translation>
    </message>
    <message>
        <source>%1 から %2 までの整数を入力してください。</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>格子大小(列, 行)</source>
        <translation>格子大小(列, 行)</translation>
    </message>
    <message>
        <source>標準サイズにする(列)</source>
        <translation>標準サイズにする(列)</translation>
    </message>
    <message>
        <source>標準サイズにする(行)</source>
        <translation>標準サイズにする(行)</translation>
    </message>
    <message>
        <source>%1列目のセルのサイズ</source>
        <translation>%1列目のセルのサイズ</translation>
    </message>
    <message>
        <source>%1列目から %2列目のセルのサイズ</source>
        <translation>%1列目から %2列目のセルのサイズ</translation>
    </message>
    <message>
        <source>全てのセルのサイズ</source>
        <translation>全てのセルのサイズ</translation>
    </message>
    <message>
        <source>列: %1</source>
        <translation>列: %1</translation>
    </message>
    <message>
        <source>行: %1</source>
        <translation>行: %1</translation>
    </message>
    <message>
        <source>メモリの確保に失敗しました。</source>
        <translation>メモリの確保に失敗しました。</translation>
    </message>
    <message>
        <source>クリップボードを開けませんでした。</source>
        <translation>クリップボードを開けませんでした。</translation>
    </message>
    <message>
        <source>クリップボードの初期化に失敗しました。</source>
        <translation>クリップボードの初期化に失敗しました。</translation>
    </message>
    <message>
        <source>クリップボードへのコピーに失敗しました。</source>
        <translation>クリップボードへのコピーに失敗しました。</translation>
    </message>
    <message>
        <source>列 %1、行 %2 のセルの文字列に、コードページ932の文字として読めないバイトが含まれているため、クリップボードにコピーできません！</source>
        <translation>列 %1、行 %2 のセルの文字列に、コードページ932の文字として読めないバイトが含まれているため、クリップボードにコピーできません！</translation>
    </message>
    <message>
        <source>クリップボードのテキストに、コードページ932で表せない文字「%1」が含まれているため、貼り付けられません！</source>
        <translation>クリップボードのテキストに、コードページ932で表せない文字「%1」が含まれているため、貼り付けられません！</translation>
    </message>
    <message>
        <source>前回の編集は正常に終了しませんでした。
&quot;%1&quot; の保存されていない変更を復元しますか？（%2 に保存）</source>
        <translation>前回の編集は正常に終了しませんでした。
&quot;%1&quot; の保存されていない変更を復元しますか？（%2 に保存）</translation>
    </message>
    <message>
        <source>復元用のコピー &quot;%1&quot; を読み込めません（%2）。
&quot;%3&quot; に名前を変えて残しました。</source>
        <translation>復元用のコピー &quot;%1&quot; を読み込めません（%2）。
&quot;%3&quot; に名前を変えて残しました。</translation>
    </message>
    <message>
        <source>復元用のコピー &quot;%1&quot; を読み込めません（%2）。
名前を変えることもできませんでした（%3）。</source>
        <translation>復元用のコピー &quot;%1&quot; を読み込めません（%2）。
名前を変えることもできませんでした（%3）。</translation>
    </message>
    <message>
        <source>Cannot remove the recovery copy &quot;%1&quot;: %2.</source>
        <translation>復元用のコピー &quot;%1&quot; を削除できません: %2。</translation>
    </message>
    <message>
        <source>%1
The copy is kept as &quot;%2&quot;.</source>
        <translation>%1
コピーは &quot;%2&quot; として残してあります。</translation>
    </message>
    <message>
        <source>%1
The copy stays as &quot;%2&quot;.</source>
        <translation>%1
コピーは &quot;%2&quot; のまま残っています。</translation>
    </message>
    <message>
        <source>Cannot write the recovery copy &quot;%1&quot;: %2.</source>
        <translation>復元用のコピー &quot;%1&quot; を書き込めません: %2。</translation>
    </message>
    <message>
        <source>&amp;Import Table...</source>
        <translation>表のインポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Open the table of a LaTeX or HTML file as a new table</source>
        <translation>LaTeX または HTML ファイルの表を新しい表として開きます</translation>
    </message>
    <message>
        <source>Import table</source>
        <translation>表のインポート</translation>
    </message>
    <message>
        <source>Paste Table &amp;Source</source>
        <translation>表のソースを貼り付け(&amp;S)</translation>
    </message>
    <message>
        <source>Paste the LaTeX or HTML table on the clipboard at the cursor</source>
        <translation>クリップボードの LaTeX または HTML の表をカーソル位置に貼り付けます</translation>
    </message>
    <message>
        <source>Paste table source</source>
        <translation>表のソースを貼り付け</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>表のインポート</translation>
    </message>
    <message>
        <source>LaTeX (*.tex)</source>
        <translation>LaTeX (*.tex)</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation>HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>No table was imported from &quot;%1&quot;:
%2
The current table is unchanged.</source>
        <translation>&quot;%1&quot; から表をインポートできませんでした:
%2
現在の表は変更されていません。</translation>
    </message>
    <message>
        <source>The table of &quot;%1&quot; was imported with changes:
- %2</source>
        <translation>&quot;%1&quot; の表は次の変更を加えてインポートされました:
- %2</translation>
    </message>
    <message>
        <source>The clipboard&apos;s HTML holds no table that can be pasted:
%1
Nothing was pasted.</source>
        <translation>クリップボードの HTML に貼り付けられる表がありません:
%1
何も貼り付けませんでした。</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text holds no table that can be pasted:
%1
Nothing was pasted.</source>
        <translation>クリップボードのテキストに貼り付けられる表がありません:
%1
何も貼り付けませんでした。</translation>
    </message>
    <message>
        <source>The table was pasted with changes:
- %1</source>
        <translation>表は次の変更を加えて貼り付けられました:
- %1</translation>
    </message>
    <message>
        <source>&amp;Rendered preview</source>
        <translation>組版プレビュー(&amp;R)</translation>
    </message>
    <message>
        <source>Show or hide the table typeset by LaTeX or laid out as HTML</source>
        <translation>LaTeX で組版した表、または HTML として表示した表を表示または非表示にします</translation>
    </message>
    <message>
        <source>Rendered preview</source>
        <translation>組版プレビュー</translation>
    </message>
    <message>
        <source>no TeX engine: pdflatex is not on the PATH (install the Debian package texlive-latex-base)</source>
        <translation>TeX エンジンがありません: pdflatex が PATH にありません (Debian パッケージ texlive-latex-base をインストールしてください)</translation>
    </message>
    <message>
        <source>the table has Japanese text, which needs lualatex with luatexja (install the Debian packages texlive-luatex and texlive-lang-japanese with their recommended packages)</source>
        <translation>表に日本語の文字列があるため、lualatex と luatexja が必要です (Debian パッケージ texlive-luatex と texlive-lang-japanese を推奨パッケージとともにインストールしてください)</translation>
    </message>
    <message>
        <source>%1: lualatex is not on the PATH</source>
        <translation>%1: lualatex が PATH にありません</translation>
    </message>
    <message>
        <source>TeX error in line %1 of the generated source: %2</source>
        <translation>生成したソースの %1 行目で TeX のエラー: %2</translation>
    </message>
    <message>
        <source>TeX error: %1</source>
        <translation>TeX のエラー: %1</translation>
    </message>
    <message>
        <source>TeX did not finish within %1; the compile was stopped</source>
        <translation>TeX が %1 以内に終わらなかったため、コンパイルを止めました</translation>
    </message>
    <message>
        <source>the table holds bytes that are not code page 932 text</source>
        <translation>表にコードページ932の文字として読めないバイトがあります</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Visual Brindle may be copied and handed on freely, as long as it is passed on unchanged and without charge. It comes with no warranty of any kind; the authors accept no liability for any damage or loss arising from its use.</source>
        <translation>Visual Brindle は、変更を加えず無償で渡す限り、自由に複製し配布できます。いかなる保証もありません。使用によって生じた損害や損失について、作者は一切の責任を負いません。</translation>
    </message>
    <message>
        <source>Version Information (2000.7)</source>
        <translation>バージョン情報 (2000.7)</translation>
    </message>
    <message>
        <source>A table editor that writes LaTeX tabular/array and HTML table source.</source>
        <translation>LaTeX の tabular/array と HTML の表のソースを書き出す表エディターです。</translation>
    </message>
</context>
<context>
    <name>CCellInputDlg</name>
    <message>
        <source>文字輸入</source>
        <translation>文字輸入</translation>
    </message>
    <message>
        <source>文字資料</source>
        <translation>文字資料</translation>
    </message>
    <message>
        <source>水平位置</source>
        <translation>水平位置</translation>
    </message>
    <message>
        <source>左靠</source>
        <translation>左靠</translation>
    </message>
    <message>
        <source>置中</source>
        <translation>置中</translation>
    </message>
    <message>
        <source>右靠</source>
        <translation>右靠</translation>
    </message>
    <message>
        <source>垂直位置</source>
        <translation>垂直位置</translation>
    </message>
    <message>
        <source>靠上</source>
        <translation>靠上</translation>
    </message>
    <message>
        <source>靠下</source>
        <translation>靠下</translation>
    </message>
    <message>
        <source>佔有格子數</source>
        <translation>佔有格子數</translation>
    </message>
    <message>
        <source>水平方向</source>
        <translation>水平方向</translation>
    </message>
    <message>
        <source>垂直方向</source>
        <translation>垂直方向</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CCellSizeDlg</name>
    <message>
        <source>標準</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>下一次開始之標準值</source>
        <translation>下一次開始之標準值</translation>
    </message>
    <message>
        <source>水平方向(列)</source>
        <translation>水平方向(列)</translation>
    </message>
    <message>
        <source>垂直方向(行)</source>
        <translation>垂直方向(行)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CDecodeOpDlg</name>
    <message>
        <source>產生之選項</source>
        <translation>產生之選項</translation>
    </message>
    <message>
        <source>tabular環境</source>
        <translation>tabular環境</translation>
    </message>
    <message>
        <source>array環境</source>
        <translation>array環境</translation>
    </message>
    <message>
        <source>HTML格式</source>
        <translation>HTML格式</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CFileTypeDlg</name>
    <message>
        <source>CSV形式(&amp;C)</source>
        <translation>CSV形式(&amp;C)</translation>
    </message>
    <message>
        <source>Tab 形式(&amp;T)</source>
        <translation>Tab 形式(&amp;T)</translation>
    </message>
    <message>
        <source>Are the fields of this text file separated by commas (CSV) or by tabs?</source>
        <translation>このテキストファイルの項目はコンマ (CSV) とタブのどちらで区切られていますか?</translation>
    </message>
</context>
<context>
    <name>CGenerateProgressDlg</name>
    <message>
        <source>進行狀況</source>
        <translation>進行狀況</translation>
    </message>
    <message>
        <source>原始碼產生中...</source>
        <translation>原始碼產生中...</translation>
    </message>
</context>
<context>
    <name>CGenerateTargetDlg</name>
    <message>
        <source>產生的目標</source>
        <translation>產生的目標</translation>
    </message>
    <message>
        <source>tabular環境(&amp;T)</source>
        <translation>tabular環境(&amp;T)</translation>
    </message>
    <message>
        <source>array環境((&amp;A)</source>
        <translation>array環境((&amp;A)</translation>
    </message>
    <message>
        <source>HTML格式(&amp;H)</source>
        <translation>HTML格式(&amp;H)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>tabular環境のコードを生成します。</source>
        <translation>tabular環境のコードを生成します。</translation>
    </message>
    <message>
        <source>array環境のコードを生成します。</source>
        <translation>array環境のコードを生成します。</translation>
    </message>
    <message>
        <source>HTML形式のコードを生成します。</source>
        <translation>HTML形式のコードを生成します。</translation>
    </message>
</context>
<context>
    <name>CHelpDialog</name>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>the program&apos;s own texts (menus in English, dialogs and messages in Chinese and Japanese)</source>
        <translation>プログラム本来の文字列 (メニューは英語、ダイアログとメッセージは中国語と日本語)</translation>
    </message>
    <message>
        <source>chosen by the environment variable BRINDLE_LANG</source>
        <translation>環境変数 BRINDLE_LANG による指定</translation>
    </message>
    <message>
        <source>chosen by the desktop&apos;s language</source>
        <translation>デスクトップの言語による選択</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Language&lt;/h3&gt;&lt;p&gt;The texts are shown in %1, %2. A Japanese desktop gets Japanese texts, a Chinese desktop the program&apos;s own texts, any other desktop English. To choose yourself, start the editor with the environment variable &lt;tt&gt;BRINDLE_LANG&lt;/tt&gt; set to &lt;tt&gt;en&lt;/tt&gt; (English), &lt;tt&gt;ja&lt;/tt&gt; (Japanese) or &lt;tt&gt;source&lt;/tt&gt; (the program&apos;s own texts), for example &lt;tt&gt;BRINDLE_LANG=ja visual-brindle&lt;/tt&gt;. Generated LaTeX and HTML, the files and the &lt;tt&gt;brindle&lt;/tt&gt; tool are never translated.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;言語&lt;/h3&gt;&lt;p&gt;表示の言語は %1 です (%2)。日本語のデスクトップでは日本語、中国語のデスクトップではプログラム本来の文字列、それ以外のデスクトップでは英語になります。自分で選ぶには、環境変数 &lt;tt&gt;BRINDLE_LANG&lt;/tt&gt; に &lt;tt&gt;en&lt;/tt&gt; (英語)、&lt;tt&gt;ja&lt;/tt&gt; (日本語)、&lt;tt&gt;source&lt;/tt&gt; (プログラム本来の文字列) のいずれかを設定してエディターを起動します。例: &lt;tt&gt;BRINDLE_LANG=ja visual-brindle&lt;/tt&gt;。生成される LaTeX と HTML、ファイル、&lt;tt&gt;brindle&lt;/tt&gt; ツールの出力は翻訳されません。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Lay out a table of up to 250 by 250 cells, type the texts, join cells into spans and draw single or double ruled lines; then generate the LaTeX &lt;tt&gt;tabular&lt;/tt&gt; or &lt;tt&gt;array&lt;/tt&gt; source, or an HTML table, for the selected cells.&lt;/p&gt;</source>
        <translation>&lt;p&gt;最大 250 × 250 セルの表を作り、文字列を入力し、セルを結合し、単線や二重線の罫線を引きます。そして選択したセルから LaTeX の &lt;tt&gt;tabular&lt;/tt&gt; または &lt;tt&gt;array&lt;/tt&gt; のソース、あるいは HTML の表を生成します。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Keys in the grid&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;表の中のキー&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Arrow keys, Tab, Enter</source>
        <translation>矢印キー、Tab、Enter</translation>
    </message>
    <message>
        <source>move the cursor cell</source>
        <translation>カーソルのセルを移動します</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page Up、Page Down</translation>
    </message>
    <message>
        <source>move by one window of rows</source>
        <translation>ウィンドウ 1 画面分の行だけ移動します</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home、End</translation>
    </message>
    <message>
        <source>first or last visible column</source>
        <translation>表示中の最初または最後の列へ</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>range selection: moves extend the selection</source>
        <translation>範囲選択: 移動で選択範囲を広げます</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>select the whole table</source>
        <translation>表全体を選択します</translation>
    </message>
    <message>
        <source>Ctrl + arrow keys</source>
        <translation>Ctrl + 矢印キー</translation>
    </message>
    <message>
        <source>cycle the line on that side of every selected cell: single, double, none (none removes every line of the selected cells)</source>
        <translation>選択したセルのその側の線を 単線、二重線、なし の順に切り替えます (なし は選択したセルの線をすべて消します)</translation>
    </message>
    <message>
        <source>Ctrl+Tab, Ctrl+Enter</source>
        <translation>Ctrl+Tab、Ctrl+Enter</translation>
    </message>
    <message>
        <source>the same as Ctrl+Right and Ctrl+Down</source>
        <translation>Ctrl+→ と Ctrl+↓ と同じ</translation>
    </message>
    <message>
        <source>F5, typing a character</source>
        <translation>F5、文字の入力</translation>
    </message>
    <message>
        <source>enter the text of the selected cells</source>
        <translation>選択したセルの文字列を入力します</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>edit the text of the cursor cell in place, the caret at its end; Enter or Tab keeps the text, Esc leaves the cell as it was</source>
        <translation>カーソルのセルの文字列をその場で編集します (キャレットは末尾)。Enter か Tab で確定し、Esc でセルを元のままにします</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>delete the texts and spans of the selection; its ruled lines stay (Clear removes them too)</source>
        <translation>選択範囲の文字列と結合を削除します。罫線は残ります (削除コマンドは罫線も消します)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>to the line palette (opens it when it is closed)</source>
        <translation>線パレットへ (閉じていれば開きます)</translation>
    </message>
    <message>
        <source>Ctrl+H, Ctrl+J</source>
        <translation>Ctrl+H、Ctrl+J</translation>
    </message>
    <message>
        <source>cell size of the cursor cell</source>
        <translation>カーソルのセルのサイズ</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>cell size of all cells</source>
        <translation>すべてのセルのサイズ</translation>
    </message>
    <message>
        <source>Ctrl+P, right button</source>
        <translation>Ctrl+P、右ボタン</translation>
    </message>
    <message>
        <source>context menu</source>
        <translation>コンテキストメニュー</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>quit; asks to save changes first</source>
        <translation>終了します。先に変更を保存するか確認します</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this page</source>
        <translation>このページ</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Line palette&lt;/h3&gt;&lt;p&gt;The line palette (Lines › Line Palette, the toolbar, Ctrl+F) stays open beside the table. Its picture buttons draw on the selected cells like the Lines menu; the input method says how: 插入 adds the lines, 覆寫 also removes the other lines of the selected cells, 消去 removes lines of the button&apos;s kind instead. The method counts from the next click on a picture button (or Enter) and then also holds for the menu and the Ctrl keys while the palette is open.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;線パレット&lt;/h3&gt;&lt;p&gt;線パレット (線 › 線パレット、ツールバー、Ctrl+F) は表の横に開いたままになります。絵ボタンは 線 メニューと同じように選択したセルに線を引きます。入力方法がその引き方を決めます: 插入 は線を加え、覆寫 は選択したセルのほかの線も消し、消去 は代わりにボタンの種類の線を消します。方法は次に絵ボタンを押したとき (または Enter) から有効になり、パレットが開いている間はメニューと Ctrl キーにも適用されます。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>the focused picture button&apos;s lines</source>
        <translation>フォーカスのある絵ボタンの線を引きます</translation>
    </message>
    <message>
        <source>Esc, 結束</source>
        <translation>Esc, 結束</translation>
    </message>
    <message>
        <source>close the palette; it opens again at the same place</source>
        <translation>パレットを閉じます。次は同じ場所に開きます</translation>
    </message>
    <message>
        <source>back to the table</source>
        <translation>表に戻ります</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Files&lt;/h3&gt;&lt;p&gt;Open reads tables in the &lt;tt&gt;.brd&lt;/tt&gt; format, also its older variants (they are saved in the current one). A file named &lt;tt&gt;.csv&lt;/tt&gt; is read as comma-separated text; any other file without the &lt;tt&gt;.brd&lt;/tt&gt; signature is taken as text, and you choose whether its fields are separated by commas or tabs. Save of a table read from a text file asks for a file name (Save As) instead of writing over it. The file dialogs remember their size and folder.&lt;/p&gt;&lt;p&gt;The command-line tool &lt;tt&gt;brindle&lt;/tt&gt; reads files the same way (&lt;tt&gt;brindle dump&lt;/tt&gt;, &lt;tt&gt;convert&lt;/tt&gt;, &lt;tt&gt;generate&lt;/tt&gt;; &lt;tt&gt;--text-format csv|tab&lt;/tt&gt; gives the choice), and &lt;tt&gt;brindle insert&lt;/tt&gt; puts generated text after the keyword in a file.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;ファイル&lt;/h3&gt;&lt;p&gt;開く は &lt;tt&gt;.brd&lt;/tt&gt; 形式の表を読み込みます。古い形式も読めます (保存は現在の形式になります)。名前が &lt;tt&gt;.csv&lt;/tt&gt; のファイルはコンマ区切りのテキストとして読みます。&lt;tt&gt;.brd&lt;/tt&gt; の識別子がないほかのファイルはテキストとして扱い、項目の区切りがコンマかタブかを選びます。テキストファイルから読んだ表の上書き保存は、上書きせずにファイル名を尋ねます (名前を付けて保存)。ファイルダイアログは大きさとフォルダーを覚えています。&lt;/p&gt;&lt;p&gt;コマンドラインツール &lt;tt&gt;brindle&lt;/tt&gt; も同じようにファイルを読みます (&lt;tt&gt;brindle dump&lt;/tt&gt;、&lt;tt&gt;convert&lt;/tt&gt;、&lt;tt&gt;generate&lt;/tt&gt;。&lt;tt&gt;--text-format csv|tab&lt;/tt&gt; で区切りを選びます)。&lt;tt&gt;brindle insert&lt;/tt&gt; は生成したテキストをファイルのキーワードの後に挿入します。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Cell sizes and the font&lt;/h3&gt;&lt;p&gt;A press on a column header opens the cell size dialog for that column; a press on a row header, Ctrl+H or Ctrl+J opens it for the cursor&apos;s column, or for the selected columns while a range is selected; the corner button and Ctrl+K for all cells. Widths run from 25 to 500 pixels; the row height, one for all rows, from 15 to 100. The check boxes make the values the standard sizes that Standardize All Cells sets. Fit Widths to Texts makes each selected column as wide as its longest text in the selected rows. With Automatic Row Height the rows follow the font chosen with Font; a height set by hand switches it off. Width changes can be undone; the row height and the font are settings, not part of the table.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;セルのサイズとフォント&lt;/h3&gt;&lt;p&gt;列見出しを押すとその列のセルのサイズのダイアログが開きます。行見出し、Ctrl+H、Ctrl+J ではカーソルの列 (範囲選択中は選択した列) のダイアログが開き、角のボタンと Ctrl+K ではすべてのセルのダイアログが開きます。幅は 25 から 500 ピクセル、すべての行に共通の行の高さは 15 から 100 です。チェックボックスを付けると、その値が すべてのセルを標準サイズに で使う標準サイズになります。幅を文字列に合わせる は選択した各列を、選択した行の中で最も長い文字列の幅にします。行の高さを自動調整 では行の高さが フォント で選んだフォントに従います。手で高さを設定すると自動調整は切れます。幅の変更は元に戻せます。行の高さとフォントは設定であり、表の一部ではありません。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Clipboard&lt;/h3&gt;&lt;p&gt;Cut, Copy and Paste move whole cells inside the editor, with their placements, spans and ruled lines; Paste puts them at the top-left cell of the selection, as often as you like. Copy Without Format and Paste Without Format exchange the texts with other programs: As Text is what a spreadsheet copies and pastes (cells separated by tabs, one row per line), As CSV the comma-separated form. A text with a character that a cell cannot hold is refused.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;クリップボード&lt;/h3&gt;&lt;p&gt;切り取り、コピー、貼り付け はエディターの中でセルを配置、結合、罫線ごと移します。貼り付け は選択範囲の左上のセルに何度でも貼り付けます。書式なしでコピー と 書式なしで貼り付け はほかのプログラムと文字列をやり取りします: テキストとして は表計算ソフトがコピーし貼り付ける形 (セルはタブ区切り、1 行に 1 行分)、CSV として はコンマ区切りの形です。セルに入れられない文字を含むテキストは受け付けません。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Commands&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;コマンド&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>働き</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Recovery copies&lt;/h3&gt;&lt;p&gt;While a table has unsaved changes, the editor keeps a copy of it a few seconds after the last change (under continuous editing at least every 30 seconds) in the folder &lt;tt&gt;%1&lt;/tt&gt; (&lt;tt&gt;$XDG_STATE_HOME/visual-brindle/recovery&lt;/tt&gt;, else &lt;tt&gt;~/.local/state/visual-brindle/recovery&lt;/tt&gt;). Your own files are written only when you save. Saving, New, Open and a normal exit remove the copy.&lt;/p&gt;&lt;p&gt;When the editor ended without that (a crash, a killed process, a power cut), the next start asks whether to recover the unsaved changes; Recover opens the table under its own name, so Save writes the real file, and Discard removes the copy. A copy that cannot be read is reported and renamed to end in &lt;tt&gt;.unreadable&lt;/tt&gt;. &lt;tt&gt;visual-brindle --no-recovery&lt;/tt&gt; starts without asking.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;復元用のコピー&lt;/h3&gt;&lt;p&gt;表に保存されていない変更がある間、エディターは最後の変更の数秒後 (編集が続く間も少なくとも 30 秒ごと) にそのコピーをフォルダー &lt;tt&gt;%1&lt;/tt&gt; (&lt;tt&gt;$XDG_STATE_HOME/visual-brindle/recovery&lt;/tt&gt;、なければ &lt;tt&gt;~/.local/state/visual-brindle/recovery&lt;/tt&gt;) に保存します。あなたのファイルに書き込むのは保存したときだけです。保存、新規作成、開く、通常の終了でコピーは消えます。&lt;/p&gt;&lt;p&gt;そうならずにエディターが終わった場合 (クラッシュ、プロセスの強制終了、停電) は、次の起動時に保存されていない変更を復元するか尋ねます。復元 は表を元の名前で開くので 上書き保存 で本来のファイルに書き込めます。破棄 はコピーを消します。読めないコピーは報告し、名前の末尾を &lt;tt&gt;.unreadable&lt;/tt&gt; に変えます。&lt;tt&gt;visual-brindle --no-recovery&lt;/tt&gt; は尋ねずに起動します。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Visual Brindle R1.5 Help</source>
        <translation>Visual Brindle R1.5 ヘルプ</translation>
    </message>
    <message>
        <source>&lt;p&gt;File › Import Table reads the first table of a LaTeX file (&lt;tt&gt;tabular&lt;/tt&gt;, &lt;tt&gt;tabular*&lt;/tt&gt;, &lt;tt&gt;tabularx&lt;/tt&gt;, &lt;tt&gt;array&lt;/tt&gt;, &lt;tt&gt;longtable&lt;/tt&gt;) or of an HTML file (&lt;tt&gt;TABLE&lt;/tt&gt;) with its spans, placements and ruled lines, as a new untitled table; a caption, a label or the math around an array go into the generation options. A file it cannot read is named with the line and column of the problem, and the open table stays as it was. &lt;tt&gt;brindle import&lt;/tt&gt; does the same on the command line.&lt;/p&gt;</source>
        <translation>&lt;p&gt;ファイル › 表のインポートは、LaTeX ファイルの最初の表（&lt;tt&gt;tabular&lt;/tt&gt;、&lt;tt&gt;tabular*&lt;/tt&gt;、&lt;tt&gt;tabularx&lt;/tt&gt;、&lt;tt&gt;array&lt;/tt&gt;、&lt;tt&gt;longtable&lt;/tt&gt;）または HTML ファイルの最初の表（&lt;tt&gt;TABLE&lt;/tt&gt;）を、結合・配置・罫線とともに新しい無題の表として読み込みます。キャプション、ラベル、array を囲む数式は生成オプションに入ります。読めないファイルは問題の行と桁を示して知らせ、開いている表はそのまま残ります。コマンドラインでは &lt;tt&gt;brindle import&lt;/tt&gt; が同じことをします。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Paste Table Source pastes a table copied as LaTeX or HTML source, or copied from a web page or a spreadsheet (their HTML form is read first), at the top-left cell of the selection with its spans, placements and ruled lines, like Paste; Undo takes it back in one step. Source it cannot read is named with the line and column of the problem, and nothing is pasted.&lt;/p&gt;</source>
        <translation>&lt;p&gt;表のソースを貼り付けは、LaTeX や HTML のソースとしてコピーした表、または Web ページや表計算ソフトからコピーした表（その HTML 形式を先に読みます）を、貼り付けと同じく結合・配置・罫線とともに選択範囲の左上のセルに貼り付けます。元に戻すで一度に取り消せます。読めないソースは問題の行と桁を示して知らせ、何も貼り付けません。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>open or close the rendered preview</source>
        <translation>組版プレビューを開く、または閉じる</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Rendered preview&lt;/h3&gt;&lt;p&gt;View › Rendered preview (F7, or the last toolbar button) opens a panel beside the grid that shows the table as LaTeX typesets it (&lt;tt&gt;tabular&lt;/tt&gt; or &lt;tt&gt;array&lt;/tt&gt;, with the generation options) or as a browser lays out the HTML. It shows the selection, or the whole used area of the table while a single cell is selected, and follows every change a moment after it. TeX runs in the background: you can go on editing while it works. A TeX error is shown with the line of the generated source it points at. The LaTeX preview needs &lt;tt&gt;pdflatex&lt;/tt&gt; (Debian package &lt;tt&gt;texlive-latex-base&lt;/tt&gt;); tables with Japanese text need &lt;tt&gt;lualatex&lt;/tt&gt; with &lt;tt&gt;luatexja&lt;/tt&gt; (packages &lt;tt&gt;texlive-luatex&lt;/tt&gt; and &lt;tt&gt;texlive-lang-japanese&lt;/tt&gt;).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;組版プレビュー&lt;/h3&gt;&lt;p&gt;表示 › 組版プレビュー (F7、またはツールバーの最後のボタン) は、グリッドの横にパネルを開き、表を LaTeX が組版したとおりに (&lt;tt&gt;tabular&lt;/tt&gt; または &lt;tt&gt;array&lt;/tt&gt;、生成のオプションに従って)、あるいはブラウザーが HTML を表示するとおりに示します。選択範囲を、ひとつのセルだけを選択しているときは表の使われている範囲全体を示し、変更のたびに少し後で追従します。TeX は裏で動くので、その間も編集を続けられます。TeX のエラーは、それが指す生成したソースの行とともに示します。LaTeX のプレビューには &lt;tt&gt;pdflatex&lt;/tt&gt; (Debian パッケージ &lt;tt&gt;texlive-latex-base&lt;/tt&gt;) が必要です。日本語の文字列がある表には &lt;tt&gt;lualatex&lt;/tt&gt; と &lt;tt&gt;luatexja&lt;/tt&gt; (パッケージ &lt;tt&gt;texlive-luatex&lt;/tt&gt; と &lt;tt&gt;texlive-lang-japanese&lt;/tt&gt;) が必要です。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CLinePaletteDlg</name>
    <message>
        <source>単線枠</source>
        <translation>単線枠</translation>
    </message>
    <message>
        <source>左単線</source>
        <translation>左単線</translation>
    </message>
    <message>
        <source>上単線</source>
        <translation>上単線</translation>
    </message>
    <message>
        <source>下単線</source>
        <translation>下単線</translation>
    </message>
    <message>
        <source>右単線</source>
        <translation>右単線</translation>
    </message>
    <message>
        <source>２重線枠</source>
        <translation>２重線枠</translation>
    </message>
    <message>
        <source>左２重線</source>
        <translation>左２重線</translation>
    </message>
    <message>
        <source>上２重線</source>
        <translation>上２重線</translation>
    </message>
    <message>
        <source>下２重線</source>
        <translation>下２重線</translation>
    </message>
    <message>
        <source>右２重線</source>
        <translation>右２重線</translation>
    </message>
    <message>
        <source>格子状</source>
        <translation>格子状</translation>
    </message>
    <message>
        <source>定型</source>
        <translation>定型</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>框線</source>
        <translation>框線</translation>
    </message>
    <message>
        <source>樣式</source>
        <translation>樣式</translation>
    </message>
    <message>
        <source>輸入方法</source>
        <translation>輸入方法</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>覆寫</source>
        <translation>覆寫</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>結束</source>
        <translation>結束</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage1</name>
    <message>
        <source>加一行 \documentstyle{...</source>
        <translation>加一行 \documentstyle{...</translation>
    </message>
    <message>
        <source>加 caption</source>
        <translation>加 caption</translation>
    </message>
    <message>
        <source>加註解</source>
        <translation>加註解</translation>
    </message>
    <message>
        <source>加 label</source>
        <translation>加 label</translation>
    </message>
    <message>
        <source>加一行 \begin{table}...</source>
        <translation>加一行 \begin{table}...</translation>
    </message>
    <message>
        <source>caption 的位置</source>
        <translation>caption 的位置</translation>
    </message>
    <message>
        <source>上</source>
        <translation>上</translation>
    </message>
    <message>
        <source>下</source>
        <translation>下</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage2</name>
    <message>
        <source>加註解</source>
        <translation>加註解</translation>
    </message>
    <message>
        <source>括弧的種類</source>
        <translation>括弧的種類</translation>
    </message>
    <message>
        <source>無</source>
        <translation>無</translation>
    </message>
    <message>
        <source>小括弧   (</source>
        <translation>小括弧   (</translation>
    </message>
    <message>
        <source>大括弧   {</source>
        <translation>大括弧   {</translation>
    </message>
    <message>
        <source>中括弧   [</source>
        <translation>中括弧   [</translation>
    </message>
    <message>
        <source>數式環境</source>
        <translation>數式環境</translation>
    </message>
    <message>
        <source>行中數式表示 $</source>
        <translation>行中數式表示 $</translation>
    </message>
    <message>
        <source>顯示式數式表示 \[</source>
        <translation>顯示式數式表示 \[</translation>
    </message>
    <message>
        <source>加 \documentstyle...</source>
        <translation>加 \documentstyle...</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage3</name>
    <message>
        <source>引入框線</source>
        <translation>引入框線</translation>
    </message>
</context>
<context>
    <name>COutputMethodDlg</name>
    <message>
        <source>輸出方法</source>
        <translation>輸出方法</translation>
    </message>
    <message>
        <source>存入舊有檔案</source>
        <translation>存入舊有檔案</translation>
    </message>
    <message>
        <source>存入新檔</source>
        <translation>存入新檔</translation>
    </message>
    <message>
        <source>關鍵字</source>
        <translation>關鍵字</translation>
    </message>
    <message>
        <source>新檔的文字編碼</source>
        <translation>新檔的文字編碼</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CQtFileDialog</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダー %1 はありません。</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>ファイル %1 はありません。</translation>
    </message>
</context>
<context>
    <name>CQtRecoveryQuestion</name>
    <message>
        <source>復元(&amp;R)</source>
        <translation>復元(&amp;R)</translation>
    </message>
    <message>
        <source>破棄(&amp;D)</source>
        <translation>破棄(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CRenderPanel</name>
    <message>
        <source>Rendered preview</source>
        <translation>組版プレビュー</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>ターゲット(&amp;T):</translation>
    </message>
    <message>
        <source>Rendering...</source>
        <translation>組版中...</translation>
    </message>
    <message>
        <source>The HTML preview lays out at most %1 cells; this region has %2. Select a smaller part of the table.</source>
        <translation>HTML のプレビューで表示できるのは %1 セルまでです。この範囲は %2 セルあります。表のより小さな部分を選択してください。</translation>
    </message>
    <message>
        <source>Source line %1: %2</source>
        <translation>ソースの %1 行目: %2</translation>
    </message>
</context>
<context>
    <name>CSourcePreviewDlg</name>
    <message>
        <source>產生之原始碼之預視與編輯</source>
        <translation>產生之原始碼之預視與編輯</translation>
    </message>
    <message>
        <source>產生原始碼</source>
        <translation>產生原始碼</translation>
    </message>
    <message>
        <source>檔案之儲存(&amp;F)</source>
        <translation>檔案之儲存(&amp;F)</translation>
    </message>
    <message>
        <source>clipboard 之輸出(&amp;C)</source>
        <translation>clipboard 之輸出(&amp;C)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>Tables for LaTeX and HTML, drawn as you see them.</source>
        <translation>LaTeX と HTML の表を、見たままに作ります。</translation>
    </message>
</context>
</TS>

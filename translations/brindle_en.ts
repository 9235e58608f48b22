<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Brindle</name>
    <message>
        <source>Copy &amp;Without Format</source>
        <translation>Copy &amp;Without Format</translation>
    </message>
    <message>
        <source>As &amp;CSV</source>
        <translation>As &amp;CSV</translation>
    </message>
    <message>
        <source>As &amp;Text</source>
        <translation>As &amp;Text</translation>
    </message>
    <message>
        <source>Paste Without &amp;Format</source>
        <translation>Paste Without &amp;Format</translation>
    </message>
    <message>
        <source>Te&amp;xt Processing</source>
        <translation>Te&amp;xt Processing</translation>
    </message>
    <message>
        <source>To &amp;Math</source>
        <translation>To &amp;Math</translation>
    </message>
    <message>
        <source>To &amp;Plain</source>
        <translation>To &amp;Plain</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Text &amp;Input (F5)...</source>
        <translation>Text &amp;Input (F5)...</translation>
    </message>
    <message>
        <source>Text &amp;Position</source>
        <translation>Text &amp;Position</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Left</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Center</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Right</translation>
    </message>
    <message>
        <source>Li&amp;nes</source>
        <translation>Li&amp;nes</translation>
    </message>
    <message>
        <source>&amp;Single</source>
        <translation>&amp;Single</translation>
    </message>
    <message>
        <source>&amp;Around</source>
        <translation>&amp;Around</translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation>&amp;Top</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>&amp;Bottom</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Double</translation>
    </message>
    <message>
        <source>Te&amp;mplate</source>
        <translation>Te&amp;mplate</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>Line &amp;Palette</source>
        <translation>Line &amp;Palette</translation>
    </message>
    <message>
        <source>LaTeX(&amp;L)</source>
        <translation>LaTeX(&amp;L)</translation>
    </message>
    <message>
        <source>產生原始碼(&amp;G)</source>
        <translation>&amp;Generate Source</translation>
    </message>
    <message>
        <source>產生原始碼之選項(&amp;O)</source>
        <translation>Generation &amp;Options</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Cell &amp;Size...</source>
        <translation>Cell &amp;Size...</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>&amp;Automatic Row Height</source>
        <translation>&amp;Automatic Row Height</translation>
    </message>
    <message>
        <source>F&amp;it Widths to Texts</source>
        <translation>F&amp;it Widths to Texts</translation>
    </message>
    <message>
        <source>S&amp;tandardize All Cells</source>
        <translation>S&amp;tandardize All Cells</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;About VBrdR...</source>
        <translation>&amp;About VBrdR...</translation>
    </message>
    <message>
        <source>Text &amp;Input...</source>
        <translation>Text &amp;Input...</translation>
    </message>
    <message>
        <source>&amp;Generate...</source>
        <translation>&amp;Generate...</translation>
    </message>
    <message>
        <source>Line P&amp;alette</source>
        <translation>Line P&amp;alette</translation>
    </message>
    <message>
        <source>Create a new table</source>
        <translation>Create a new table</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open a table, a CSV file or a text file</source>
        <translation>Open a table, a CSV file or a text file</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save the table</source>
        <translation>Save the table</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save the table under a new name</source>
        <translation>Save the table under a new name</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Quit the program; asks to save changes</source>
        <translation>Quit the program; asks to save changes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Cut the selection to the clipboard</source>
        <translation>Cut the selection to the clipboard</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy the selection to the clipboard</source>
        <translation>Copy the selection to the clipboard</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste the clipboard at the cursor</source>
        <translation>Paste the clipboard at the cursor</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Delete the cells of the selection</source>
        <translation>Delete the cells of the selection</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Copy the texts of the selection as CSV</source>
        <translation>Copy the texts of the selection as CSV</translation>
    </message>
    <message>
        <source>Copy as CSV</source>
        <translation>Copy as CSV</translation>
    </message>
    <message>
        <source>Copy the texts of the selection as tab-separated text</source>
        <translation>Copy the texts of the selection as tab-separated text</translation>
    </message>
    <message>
        <source>Copy as text</source>
        <translation>Copy as text</translation>
    </message>
    <message>
        <source>Paste CSV text from the clipboard</source>
        <translation>Paste CSV text from the clipboard</translation>
    </message>
    <message>
        <source>Paste CSV</source>
        <translation>Paste CSV</translation>
    </message>
    <message>
        <source>Paste tab-separated text from the clipboard</source>
        <translation>Paste tab-separated text from the clipboard</translation>
    </message>
    <message>
        <source>Paste text</source>
        <translation>Paste text</translation>
    </message>
    <message>
        <source>Put the texts of the selection in math mode</source>
        <translation>Put the texts of the selection in math mode</translation>
    </message>
    <message>
        <source>To math</source>
        <translation>To math</translation>
    </message>
    <message>
        <source>Take the texts of the selection out of math mode</source>
        <translation>Take the texts of the selection out of math mode</translation>
    </message>
    <message>
        <source>To plain</source>
        <translation>To plain</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Show or hide the grid lines</source>
        <translation>Show or hide the grid lines</translation>
    </message>
    <message>
        <source>Grid display</source>
        <translation>Grid display</translation>
    </message>
    <message>
        <source>Type the text of the selected cells</source>
        <translation>Type the text of the selected cells</translation>
    </message>
    <message>
        <source>Text input</source>
        <translation>Text input</translation>
    </message>
    <message>
        <source>Place the texts at the left</source>
        <translation>Place the texts at the left</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Place the texts in the centre</source>
        <translation>Place the texts in the centre</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Place the texts at the right</source>
        <translation>Place the texts at the right</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Single line around the selection</source>
        <translation>Single line around the selection</translation>
    </message>
    <message>
        <source>Single frame</source>
        <translation>Single frame</translation>
    </message>
    <message>
        <source>Single line along the top</source>
        <translation>Single line along the top</translation>
    </message>
    <message>
        <source>Single top</source>
        <translation>Single top</translation>
    </message>
    <message>
        <source>Single line along the bottom</source>
        <translation>Single line along the bottom</translation>
    </message>
    <message>
        <source>Single bottom</source>
        <translation>Single bottom</translation>
    </message>
    <message>
        <source>Single line along the left side</source>
        <translation>Single line along the left side</translation>
    </message>
    <message>
        <source>Single left</source>
        <translation>Single left</translation>
    </message>
    <message>
        <source>Single line along the right side</source>
        <translation>Single line along the right side</translation>
    </message>
    <message>
        <source>Single right</source>
        <translation>Single right</translation>
    </message>
    <message>
        <source>Double line around the selection</source>
        <translation>Double line around the selection</translation>
    </message>
    <message>
        <source>Double frame</source>
        <translation>Double frame</translation>
    </message>
    <message>
        <source>Double line along the top</source>
        <translation>Double line along the top</translation>
    </message>
    <message>
        <source>Double top</source>
        <translation>Double top</translation>
    </message>
    <message>
        <source>Double line along the bottom</source>
        <translation>Double line along the bottom</translation>
    </message>
    <message>
        <source>Double bottom</source>
        <translation>Double bottom</translation>
    </message>
    <message>
        <source>Double line along the left side</source>
        <translation>Double line along the left side</translation>
    </message>
    <message>
        <source>Double left</source>
        <translation>Double left</translation>
    </message>
    <message>
        <source>Double line along the right side</source>
        <translation>Double line along the right side</translation>
    </message>
    <message>
        <source>Double right</source>
        <translation>Double right</translation>
    </message>
    <message>
        <source>Single lines on every edge of the selection</source>
        <translation>Single lines on every edge of the selection</translation>
    </message>
    <message>
        <source>Grid lines</source>
        <translation>Grid lines</translation>
    </message>
    <message>
        <source>Apply a line template to the selection</source>
        <translation>Apply a line template to the selection</translation>
    </message>
    <message>
        <source>Line template</source>
        <translation>Line template</translation>
    </message>
    <message>
        <source>Remove the lines of the selection</source>
        <translation>Remove the lines of the selection</translation>
    </message>
    <message>
        <source>Clear lines</source>
        <translation>Clear lines</translation>
    </message>
    <message>
        <source>Open the line palette</source>
        <translation>Open the line palette</translation>
    </message>
    <message>
        <source>Line palette</source>
        <translation>Line palette</translation>
    </message>
    <message>
        <source>Generate LaTeX or HTML source for the selection</source>
        <translation>Generate LaTeX or HTML source for the selection</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Set the options of the generated source</source>
        <translation>Set the options of the generated source</translation>
    </message>
    <message>
        <source>Generation options</source>
        <translation>Generation options</translation>
    </message>
    <message>
        <source>Set column widths and the row height</source>
        <translation>Set column widths and the row height</translation>
    </message>
    <message>
        <source>Cell size</source>
        <translation>Cell size</translation>
    </message>
    <message>
        <source>Choose the display font</source>
        <translation>Choose the display font</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Follow the font with the row height</source>
        <translation>Follow the font with the row height</translation>
    </message>
    <message>
        <source>Automatic row height</source>
        <translation>Automatic row height</translation>
    </message>
    <message>
        <source>Fit the column widths to their texts</source>
        <translation>Fit the column widths to their texts</translation>
    </message>
    <message>
        <source>Fit widths</source>
        <translation>Fit widths</translation>
    </message>
    <message>
        <source>Give every cell the standard size</source>
        <translation>Give every cell the standard size</translation>
    </message>
    <message>
        <source>Standard size</source>
        <translation>Standard size</translation>
    </message>
    <message>
        <source>List the keys and commands</source>
        <translation>List the keys and commands</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and contacts</source>
        <translation>Show the program&apos;s version and contacts</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>&lt;Brindle&gt;形式 (*.brd)</source>
        <translation>Brindle tables (*.brd)</translation>
    </message>
    <message>
        <source>ｺﾝﾏ区切り&lt;CSV&gt;形式 (*.csv)</source>
        <translation>Comma-separated CSV (*.csv)</translation>
    </message>
    <message>
        <source>ﾃｷｽﾄﾌｧｲﾙ (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>All Files (*.*)</translation>
    </message>
    <message>
        <source>TeX形式 (*.tex)</source>
        <translation>TeX files (*.tex)</translation>
    </message>
    <message>
        <source>Text形式 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>出力先新規ファイルの選択</source>
        <translation>Choose the new file for the output</translation>
    </message>
    <message>
        <source>出力先既存ファイルの選択</source>
        <translation>Choose the existing file for the output</translation>
    </message>
    <message>
        <source>現在編集中のデータを保存しますか？</source>
        <translation>Save the table you are editing?</translation>
    </message>
    <message>
        <source>CSV形式での保存は出来ません。</source>
        <translation>A table cannot be saved in CSV format.</translation>
    </message>
    <message>
        <source>旧&lt;Brindle&gt;形式として認識しました。
保存する時，自動的に新&lt;Brindle&gt;形式に変換されます。</source>
        <translation>The file is in the old Brindle format.
It is converted to the new Brindle format when you save it.</translation>
    </message>
    <message>
        <source>読み込みに失敗しました!
ファイルが壊れている可能性があります！</source>
        <translation>Reading failed!
The file may be damaged!</translation>
    </message>
    <message>
        <source>ファイルの読み込みに失敗しちゃいましたよーだ！</source>
        <translation>Oops, the file could not be read!</translation>
    </message>
    <message>
        <source>%1
指定のファイルを開けません！</source>
        <translation>%1
Cannot open this file!</translation>
    </message>
    <message>
        <source>%1
%2行目の%3番目の項目に、コードページ932で表せない文字「%4」が含まれています！</source>
        <translation>%1
Field %3 of line %2 holds the character &quot;%4&quot;, which code page 932 cannot represent!</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Cannot save the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot open the file &quot;%1&quot;: %2.</source>
        <translation>Cannot open the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;: %2.</source>
        <translation>Cannot read the file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>the file ends early</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>The folder belongs to another user</source>
        <translation>The folder belongs to another user</translation>
    </message>
    <message>
        <source>生成ターゲット情報が、壊れています！</source>
        <translation>The generation target is broken!</translation>
    </message>
    <message>
        <source>完了しました！</source>
        <translation>Done!</translation>
    </message>
    <message>
        <source>ファイルを開けません！
%1</source>
        <translation>Cannot open the file!
%1</translation>
    </message>
    <message>
        <source>%1
ファイルを開けません！</source>
        <translation>%1
Cannot open the file!</translation>
    </message>
    <message>
        <source>%1
指定のキーワードが見つかりません！</source>
        <translation>%1
The keyword was not found!</translation>
    </message>
    <message>
        <source>%1
%2 で表せない文字が含まれているため、書き込みませんでした！</source>
        <translation>%1
Nothing was written: the text holds characters that %2 cannot represent!</translation>
    </message>
    <message>
        <source>コードページ932で表せない文字「%1」が含まれています！</source>
        <translation>The text holds the character &quot;%1&quot;, which code page 932 cannot represent!</translation>
    </message>
    <message>
        <source>コードページ932で表せない文字「%1」が含まれているため、出力できません！</source>
        <translation>Cannot output the text: it holds the character &quot;%1&quot;, which code page 932 cannot represent!</translation>
    </message>
    <message>
        <source>生成した原始碼にコードページ932として読めないバイトがあります。
読めない部分は「�」で示し、編集はできません。保存とクリップボードへの出力は元のバイトのまま行います。</source>
        <translation>The generated source holds bytes that are not code page 932.
They are shown as &quot;�&quot; and the text cannot be edited. Saving and the clipboard get the original bytes.</translation>
    </message>
    <message>
        <source>クリップボードに出力できません！</source>
        <translation>Cannot put the text on the clipboard!</translation>
    </message>
    <message>
        <source>1 から 250 までの整数を入力してください。</source>
        <translation>Enter a whole number from 1 to 250.</translation>
    </message>
    <message>
        <source>文字列が長すぎます！ 1つのセルには 65535 バイトまで入力できます。</source>
        <translation>The text is too long! A cell holds at most 65535 bytes.</translation>
    </message>
    <message>
        <source>%1 から %2 までの整数を入力してください。</source>
        <translation>Enter a whole number from %1 to %2.</translation>
    </message>
    <message>
        <source>格子大小(列, 行)</source>
        <translation>Cell Size (Column, Row)</translation>
    </message>
    <message>
        <source>標準サイズにする(列)</source>
        <translation>Standard size (column)</translation>
    </message>
    <message>
        <source>標準サイズにする(行)</source>
        <translation>Standard size (row)</translation>
    </message>
    <message>
        <source>%1列目のセルのサイズ</source>
        <translation>Size of the cells of column %1</translation>
    </message>
    <message>
        <source>%1列目から %2列目のセルのサイズ</source>
        <translation>Size of the cells of columns %1 to %2</translation>
    </message>
    <message>
        <source>全てのセルのサイズ</source>
        <translation>Size of all cells</translation>
    </message>
    <message>
        <source>列: %1</source>
        <translation>Column: %1</translation>
    </message>
    <message>
        <source>行: %1</source>
        <translation>Row: %1</translation>
    </message>
    <message>
        <source>メモリの確保に失敗しました。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>クリップボードを開けませんでした。</source>
        <translation>Cannot open the clipboard.</translation>
    </message>
    <message>
        <source>クリップボードの初期化に失敗しました。</source>
        <translation>Cannot empty the clipboard.</translation>
    </message>
    <message>
        <source>クリップボードへのコピーに失敗しました。</source>
        <translation>Cannot copy to the clipboard.</translation>
    </message>
    <message>
        <source>列 %1、行 %2 のセルの文字列に、コードページ932の文字として読めないバイトが含まれているため、クリップボードにコピーできません！</source>
        <translation>Cannot copy to the clipboard: the text of the cell in column %1, row %2 holds bytes that are not code page 932 characters!</translation>
    </message>
    <message>
        <source>クリップボードのテキストに、コードページ932で表せない文字「%1」が含まれているため、貼り付けられません！</source>
        <translation>Cannot paste: the clipboard text holds the character &quot;%1&quot;, which code page 932 cannot represent!</translation>
    </message>
    <message>
        <source>前回の編集は正常に終了しませんでした。
&quot;%1&quot; の保存されていない変更を復元しますか？（%2 に保存）</source>
        <translation>The last editing session did not end normally.
Recover the unsaved changes of &quot;%1&quot;? (kept at %2)</translation>
    </message>
    <message>
        <source>復元用のコピー &quot;%1&quot; を読み込めません（%2）。
&quot;%3&quot; に名前を変えて残しました。</source>
        <translation>Cannot read the recovery copy &quot;%1&quot; (%2).
It is kept under the name &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>復元用のコピー &quot;%1&quot; を読み込めません（%2）。
名前を変えることもできませんでした（%3）。</source>
        <translation>Cannot read the recovery copy &quot;%1&quot; (%2).
It could not be renamed either (%3).</translation>
    </message>
    <message>
        <source>Cannot remove the recovery copy &quot;%1&quot;: %2.</source>
        <translation>Cannot remove the recovery copy &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>%1
The copy is kept as &quot;%2&quot;.</source>
        <translation>%1
The copy is kept as &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1
The copy stays as &quot;%2&quot;.</source>
        <translation>%1
The copy stays as &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Cannot write the recovery copy &quot;%1&quot;: %2.</source>
        <translation>Cannot write the recovery copy &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>&amp;Import Table...</source>
        <translation>&amp;Import Table...</translation>
    </message>
    <message>
        <source>Open the table of a LaTeX or HTML file as a new table</source>
        <translation>Open the table of a LaTeX or HTML file as a new table</translation>
    </message>
    <message>
        <source>Import table</source>
        <translation>Import table</translation>
    </message>
    <message>
        <source>Paste Table &amp;Source</source>
        <translation>Paste Table &amp;Source</translation>
    </message>
    <message>
        <source>Paste the LaTeX or HTML table on the clipboard at the cursor</source>
        <translation>Paste the LaTeX or HTML table on the clipboard at the cursor</translation>
    </message>
    <message>
        <source>Paste table source</source>
        <translation>Paste table source</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>Import Table</translation>
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
        <translation>No table was imported from &quot;%1&quot;:
%2
The current table is unchanged.</translation>
    </message>
    <message>
        <source>The table of &quot;%1&quot; was imported with changes:
- %2</source>
        <translation>The table of &quot;%1&quot; was imported with changes:
- %2</translation>
    </message>
    <message>
        <source>The clipboard&apos;s HTML holds no table that can be pasted:
%1
Nothing was pasted.</source>
        <translation>The clipboard&apos;s HTML holds no table that can be pasted:
%1
Nothing was pasted.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s text holds no table that can be pasted:
%1
Nothing was pasted.</source>
        <translation>The clipboard&apos;s text holds no table that can be pasted:
%1
Nothing was pasted.</translation>
    </message>
    <message>
        <source>The table was pasted with changes:
- %1</source>
        <translation>The table was pasted with changes:
- %1</translation>
    </message>
    <message>
        <source>&amp;Rendered preview</source>
        <translation>&amp;Rendered preview</translation>
    </message>
    <message>
        <source>Show or hide the table typeset by LaTeX or laid out as HTML</source>
        <translation>Show or hide the table typeset by LaTeX or laid out as HTML</translation>
    </message>
    <message>
        <source>Rendered preview</source>
        <translation>Rendered preview</translation>
    </message>
    <message>
        <source>no TeX engine: pdflatex is not on the PATH (install the Debian package texlive-latex-base)</source>
        <translation>no TeX engine: pdflatex is not on the PATH (install the Debian package texlive-latex-base)</translation>
    </message>
    <message>
        <source>the table has Japanese text, which needs lualatex with luatexja (install the Debian packages texlive-luatex and texlive-lang-japanese with their recommended packages)</source>
        <translation>the table has Japanese text, which needs lualatex with luatexja (install the Debian packages texlive-luatex and texlive-lang-japanese with their recommended packages)</translation>
    </message>
    <message>
        <source>%1: lualatex is not on the PATH</source>
        <translation>%1: lualatex is not on the PATH</translation>
    </message>
    <message>
        <source>TeX error in line %1 of the generated source: %2</source>
        <translation>TeX error in line %1 of the generated source: %2</translation>
    </message>
    <message>
        <source>TeX error: %1</source>
        <translation>TeX error: %1</translation>
    </message>
    <message>
        <source>TeX did not finish within %1; the compile was stopped</source>
        <translation>TeX did not finish within %1; the compile was stopped</translation>
    </message>
    <message>
        <source>the table holds bytes that are not code page 932 text</source>
        <translation>the table holds bytes that are not code page 932 text</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Visual Brindle may be copied and handed on freely, as long as it is passed on unchanged and without charge. It comes with no warranty of any kind; the authors accept no liability for any damage or loss arising from its use.</source>
        <translation>Visual Brindle may be copied and handed on freely, as long as it is passed on unchanged and without charge. It comes with no warranty of any kind; the authors accept no liability for any damage or loss arising from its use.</translation>
    </message>
    <message>
        <source>Version Information (2000.7)</source>
        <translation>Version Information (2000.7)</translation>
    </message>
    <message>
        <source>A table editor that writes LaTeX tabular/array and HTML table source.</source>
        <translation>A table editor that writes LaTeX tabular/array and HTML table source.</translation>
    </message>
</context>
<context>
    <name>CCellInputDlg</name>
    <message>
        <source>文字輸入</source>
        <translation>Text Input</translation>
    </message>
    <message>
        <source>文字資料</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>水平位置</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>左靠</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>置中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>右靠</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>垂直位置</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>靠上</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>靠下</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>佔有格子數</source>
        <translation>Cells Spanned</translation>
    </message>
    <message>
        <source>水平方向</source>
        <translation>Across</translation>
    </message>
    <message>
        <source>垂直方向</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CCellSizeDlg</name>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>下一次開始之標準值</source>
        <translation>Standard from the next start</translation>
    </message>
    <message>
        <source>水平方向(列)</source>
        <translation>Width (column)</translation>
    </message>
    <message>
        <source>垂直方向(行)</source>
        <translation>Height (row)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDecodeOpDlg</name>
    <message>
        <source>產生之選項</source>
        <translation>Generation Options</translation>
    </message>
    <message>
        <source>tabular環境</source>
        <translation>tabular</translation>
    </message>
    <message>
        <source>array環境</source>
        <translation>array</translation>
    </message>
    <message>
        <source>HTML格式</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CFileTypeDlg</name>
    <message>
        <source>CSV形式(&amp;C)</source>
        <translation>&amp;CSV</translation>
    </message>
    <message>
        <source>Tab 形式(&amp;T)</source>
        <translation>&amp;Tab-separated</translation>
    </message>
    <message>
        <source>Are the fields of this text file separated by commas (CSV) or by tabs?</source>
        <translation>Are the fields of this text file separated by commas (CSV) or by tabs?</translation>
    </message>
</context>
<context>
    <name>CGenerateProgressDlg</name>
    <message>
        <source>進行狀況</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>原始碼產生中...</source>
        <translation>Generating the source...</translation>
    </message>
</context>
<context>
    <name>CGenerateTargetDlg</name>
    <message>
        <source>產生的目標</source>
        <translation>Generation Target</translation>
    </message>
    <message>
        <source>tabular環境(&amp;T)</source>
        <translation>&amp;tabular environment</translation>
    </message>
    <message>
        <source>array環境((&amp;A)</source>
        <translation>&amp;array environment</translation>
    </message>
    <message>
        <source>HTML格式(&amp;H)</source>
        <translation>&amp;HTML table</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>tabular環境のコードを生成します。</source>
        <translation>Generates the source of a tabular environment.</translation>
    </message>
    <message>
        <source>array環境のコードを生成します。</source>
        <translation>Generates the source of an array environment.</translation>
    </message>
    <message>
        <source>HTML形式のコードを生成します。</source>
        <translation>Generates the source of an HTML table.</translation>
    </message>
</context>
<context>
    <name>CHelpDialog</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>the program&apos;s own texts (menus in English, dialogs and messages in Chinese and Japanese)</source>
        <translation>the program&apos;s own texts (menus in English, dialogs and messages in Chinese and Japanese)</translation>
    </message>
    <message>
        <source>chosen by the environment variable BRINDLE_LANG</source>
        <translation>chosen by the environment variable BRINDLE_LANG</translation>
    </message>
    <message>
        <source>chosen by the desktop&apos;s language</source>
        <translation>chosen by the desktop&apos;s language</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Language&lt;/h3&gt;&lt;p&gt;The texts are shown in %1, %2. A Japanese desktop gets Japanese texts, a Chinese desktop the program&apos;s own texts, any other desktop English. To choose yourself, start the editor with the environment variable &lt;tt&gt;BRINDLE_LANG&lt;/tt&gt; set to &lt;tt&gt;en&lt;/tt&gt; (English), &lt;tt&gt;ja&lt;/tt&gt; (Japanese) or &lt;tt&gt;source&lt;/tt&gt; (the program&apos;s own texts), for example &lt;tt&gt;BRINDLE_LANG=ja visual-brindle&lt;/tt&gt;. Generated LaTeX and HTML, the files and the &lt;tt&gt;brindle&lt;/tt&gt; tool are never translated.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Language&lt;/h3&gt;&lt;p&gt;The texts are shown in %1, %2. A Japanese desktop gets Japanese texts, a Chinese desktop the program&apos;s own texts, any other desktop English. To choose yourself, start the editor with the environment variable &lt;tt&gt;BRINDLE_LANG&lt;/tt&gt; set to &lt;tt&gt;en&lt;/tt&gt; (English), &lt;tt&gt;ja&lt;/tt&gt; (Japanese) or &lt;tt&gt;source&lt;/tt&gt; (the program&apos;s own texts), for example &lt;tt&gt;BRINDLE_LANG=ja visual-brindle&lt;/tt&gt;. Generated LaTeX and HTML, the files and the &lt;tt&gt;brindle&lt;/tt&gt; tool are never translated.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Lay out a table of up to 250 by 250 cells, type the texts, join cells into spans and draw single or double ruled lines; then generate the LaTeX &lt;tt&gt;tabular&lt;/tt&gt; or &lt;tt&gt;array&lt;/tt&gt; source, or an HTML table, for the selected cells.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Lay out a table of up to 250 by 250 cells, type the texts, join cells into spans and draw single or double ruled lines; then generate the LaTeX &lt;tt&gt;tabular&lt;/tt&gt; or &lt;tt&gt;array&lt;/tt&gt; source, or an HTML table, for the selected cells.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Keys in the grid&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Keys in the grid&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Arrow keys, Tab, Enter</source>
        <translation>Arrow keys, Tab, Enter</translation>
    </message>
    <message>
        <source>move the cursor cell</source>
        <translation>move the cursor cell</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page Up, Page Down</translation>
    </message>
    <message>
        <source>move by one window of rows</source>
        <translation>move by one window of rows</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>first or last visible column</source>
        <translation>first or last visible column</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>range selection: moves extend the selection</source>
        <translation>range selection: moves extend the selection</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>select the whole table</source>
        <translation>select the whole table</translation>
    </message>
    <message>
        <source>Ctrl + arrow keys</source>
        <translation>Ctrl + arrow keys</translation>
    </message>
    <message>
        <source>cycle the line on that side of every selected cell: single, double, none (none removes every line of the selected cells)</source>
        <translation>cycle the line on that side of every selected cell: single, double, none (none removes every line of the selected cells)</translation>
    </message>
    <message>
        <source>Ctrl+Tab, Ctrl+Enter</source>
        <translation>Ctrl+Tab, Ctrl+Enter</translation>
    </message>
    <message>
        <source>the same as Ctrl+Right and Ctrl+Down</source>
        <translation>the same as Ctrl+Right and Ctrl+Down</translation>
    </message>
    <message>
        <source>F5, typing a character</source>
        <translation>F5, typing a character</translation>
    </message>
    <message>
        <source>enter the text of the selected cells</source>
        <translation>enter the text of the selected cells</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>edit the text of the cursor cell in place, the caret at its end; Enter or Tab keeps the text, Esc leaves the cell as it was</source>
        <translation>edit the text of the cursor cell in place, the caret at its end; Enter or Tab keeps the text, Esc leaves the cell as it was</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>delete the texts and spans of the selection; its ruled lines stay (Clear removes them too)</source>
        <translation>delete the texts and spans of the selection; its ruled lines stay (Clear removes them too)</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>to the line palette (opens it when it is closed)</source>
        <translation>to the line palette (opens it when it is closed)</translation>
    </message>
    <message>
        <source>Ctrl+H, Ctrl+J</source>
        <translation>Ctrl+H, Ctrl+J</translation>
    </message>
    <message>
        <source>cell size of the cursor cell</source>
        <translation>cell size of the cursor cell</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>cell size of all cells</source>
        <translation>cell size of all cells</translation>
    </message>
    <message>
        <source>Ctrl+P, right button</source>
        <translation>Ctrl+P, right button</translation>
    </message>
    <message>
        <source>context menu</source>
        <translation>context menu</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>quit; asks to save changes first</source>
        <translation>quit; asks to save changes first</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this page</source>
        <translation>this page</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Line palette&lt;/h3&gt;&lt;p&gt;The line palette (Lines › Line Palette, the toolbar, Ctrl+F) stays open beside the table. Its picture buttons draw on the selected cells like the Lines menu; the input method says how: 插入 adds the lines, 覆寫 also removes the other lines of the selected cells, 消去 removes lines of the button&apos;s kind instead. The method counts from the next click on a picture button (or Enter) and then also holds for the menu and the Ctrl keys while the palette is open.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Line palette&lt;/h3&gt;&lt;p&gt;The line palette (Lines › Line Palette, the toolbar, Ctrl+F) stays open beside the table. Its picture buttons draw on the selected cells like the Lines menu; the input method says how: Insert adds the lines, Overwrite also removes the other lines of the selected cells, Erase removes lines of the button&apos;s kind instead. The method counts from the next click on a picture button (or Enter) and then also holds for the menu and the Ctrl keys while the palette is open.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>the focused picture button&apos;s lines</source>
        <translation>the focused picture button&apos;s lines</translation>
    </message>
    <message>
        <source>Esc, 結束</source>
        <translation>Esc, Close</translation>
    </message>
    <message>
        <source>close the palette; it opens again at the same place</source>
        <translation>close the palette; it opens again at the same place</translation>
    </message>
    <message>
        <source>back to the table</source>
        <translation>back to the table</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Files&lt;/h3&gt;&lt;p&gt;Open reads tables in the &lt;tt&gt;.brd&lt;/tt&gt; format, also its older variants (they are saved in the current one). A file named &lt;tt&gt;.csv&lt;/tt&gt; is read as comma-separated text; any other file without the &lt;tt&gt;.brd&lt;/tt&gt; signature is taken as text, and you choose whether its fields are separated by commas or tabs. Save of a table read from a text file asks for a file name (Save As) instead of writing over it. The file dialogs remember their size and folder.&lt;/p&gt;&lt;p&gt;The command-line tool &lt;tt&gt;brindle&lt;/tt&gt; reads files the same way (&lt;tt&gt;brindle dump&lt;/tt&gt;, &lt;tt&gt;convert&lt;/tt&gt;, &lt;tt&gt;generate&lt;/tt&gt;; &lt;tt&gt;--text-format csv|tab&lt;/tt&gt; gives the choice), and &lt;tt&gt;brindle insert&lt;/tt&gt; puts generated text after the keyword in a file.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Files&lt;/h3&gt;&lt;p&gt;Open reads tables in the &lt;tt&gt;.brd&lt;/tt&gt; format, also its older variants (they are saved in the current one). A file named &lt;tt&gt;.csv&lt;/tt&gt; is read as comma-separated text; any other file without the &lt;tt&gt;.brd&lt;/tt&gt; signature is taken as text, and you choose whether its fields are separated by commas or tabs. Save of a table read from a text file asks for a file name (Save As) instead of writing over it. The file dialogs remember their size and folder.&lt;/p&gt;&lt;p&gt;The command-line tool &lt;tt&gt;brindle&lt;/tt&gt; reads files the same way (&lt;tt&gt;brindle dump&lt;/tt&gt;, &lt;tt&gt;convert&lt;/tt&gt;, &lt;tt&gt;generate&lt;/tt&gt;; &lt;tt&gt;--text-format csv|tab&lt;/tt&gt; gives the choice), and &lt;tt&gt;brindle insert&lt;/tt&gt; puts generated text after the keyword in a file.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Cell sizes and the font&lt;/h3&gt;&lt;p&gt;A press on a column header opens the cell size dialog for that column; a press on a row header, Ctrl+H or Ctrl+J opens it for the cursor&apos;s column, or for the selected columns while a range is selected; the corner button and Ctrl+K for all cells. Widths run from 25 to 500 pixels; the row height, one for all rows, from 15 to 100. The check boxes make the values the standard sizes that Standardize All Cells sets. Fit Widths to Texts makes each selected column as wide as its longest text in the selected rows. With Automatic Row Height the rows follow the font chosen with Font; a height set by hand switches it off. Width changes can be undone; the row height and the font are settings, not part of the table.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Cell sizes and the font&lt;/h3&gt;&lt;p&gt;A press on a column header opens the cell size dialog for that column; a press on a row header, Ctrl+H or Ctrl+J opens it for the cursor&apos;s column, or for the selected columns while a range is selected; the corner button and Ctrl+K for all cells. Widths run from 25 to 500 pixels; the row height, one for all rows, from 15 to 100. The check boxes make the values the standard sizes that Standardize All Cells sets. Fit Widths to Texts makes each selected column as wide as its longest text in the selected rows. With Automatic Row Height the rows follow the font chosen with Font; a height set by hand switches it off. Width changes can be undone; the row height and the font are settings, not part of the table.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Clipboard&lt;/h3&gt;&lt;p&gt;Cut, Copy and Paste move whole cells inside the editor, with their placements, spans and ruled lines; Paste puts them at the top-left cell of the selection, as often as you like. Copy Without Format and Paste Without Format exchange the texts with other programs: As Text is what a spreadsheet copies and pastes (cells separated by tabs, one row per line), As CSV the comma-separated form. A text with a character that a cell cannot hold is refused.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Clipboard&lt;/h3&gt;&lt;p&gt;Cut, Copy and Paste move whole cells inside the editor, with their placements, spans and ruled lines; Paste puts them at the top-left cell of the selection, as often as you like. Copy Without Format and Paste Without Format exchange the texts with other programs: As Text is what a spreadsheet copies and pastes (cells separated by tabs, one row per line), As CSV the comma-separated form. A text with a character that a cell cannot hold is refused.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Commands&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Commands&lt;/h3&gt;</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>What it does</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Recovery copies&lt;/h3&gt;&lt;p&gt;While a table has unsaved changes, the editor keeps a copy of it a few seconds after the last change (under continuous editing at least every 30 seconds) in the folder &lt;tt&gt;%1&lt;/tt&gt; (&lt;tt&gt;$XDG_STATE_HOME/visual-brindle/recovery&lt;/tt&gt;, else &lt;tt&gt;~/.local/state/visual-brindle/recovery&lt;/tt&gt;). Your own files are written only when you save. Saving, New, Open and a normal exit remove the copy.&lt;/p&gt;&lt;p&gt;When the editor ended without that (a crash, a killed process, a power cut), the next start asks whether to recover the unsaved changes; Recover opens the table under its own name, so Save writes the real file, and Discard removes the copy. A copy that cannot be read is reported and renamed to end in &lt;tt&gt;.unreadable&lt;/tt&gt;. &lt;tt&gt;visual-brindle --no-recovery&lt;/tt&gt; starts without asking.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Recovery copies&lt;/h3&gt;&lt;p&gt;While a table has unsaved changes, the editor keeps a copy of it a few seconds after the last change (under continuous editing at least every 30 seconds) in the folder &lt;tt&gt;%1&lt;/tt&gt; (&lt;tt&gt;$XDG_STATE_HOME/visual-brindle/recovery&lt;/tt&gt;, else &lt;tt&gt;~/.local/state/visual-brindle/recovery&lt;/tt&gt;). Your own files are written only when you save. Saving, New, Open and a normal exit remove the copy.&lt;/p&gt;&lt;p&gt;When the editor ended without that (a crash, a killed process, a power cut), the next start asks whether to recover the unsaved changes; Recover opens the table under its own name, so Save writes the real file, and Discard removes the copy. A copy that cannot be read is reported and renamed to end in &lt;tt&gt;.unreadable&lt;/tt&gt;. &lt;tt&gt;visual-brindle --no-recovery&lt;/tt&gt; starts without asking.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Visual Brindle R1.5 Help</source>
        <translation>Visual Brindle R1.5 Help</translation>
    </message>
    <message>
        <source>&lt;p&gt;File › Import Table reads the first table of a LaTeX file (&lt;tt&gt;tabular&lt;/tt&gt;, &lt;tt&gt;tabular*&lt;/tt&gt;, &lt;tt&gt;tabularx&lt;/tt&gt;, &lt;tt&gt;array&lt;/tt&gt;, &lt;tt&gt;longtable&lt;/tt&gt;) or of an HTML file (&lt;tt&gt;TABLE&lt;/tt&gt;) with its spans, placements and ruled lines, as a new untitled table; a caption, a label or the math around an array go into the generation options. A file it cannot read is named with the line and column of the problem, and the open table stays as it was. &lt;tt&gt;brindle import&lt;/tt&gt; does the same on the command line.&lt;/p&gt;</source>
        <translation>&lt;p&gt;File › Import Table reads the first table of a LaTeX file (&lt;tt&gt;tabular&lt;/tt&gt;, &lt;tt&gt;tabular*&lt;/tt&gt;, &lt;tt&gt;tabularx&lt;/tt&gt;, &lt;tt&gt;array&lt;/tt&gt;, &lt;tt&gt;longtable&lt;/tt&gt;) or of an HTML file (&lt;tt&gt;TABLE&lt;/tt&gt;) with its spans, placements and ruled lines, as a new untitled table; a caption, a label or the math around an array go into the generation options. A file it cannot read is named with the line and column of the problem, and the open table stays as it was. &lt;tt&gt;brindle import&lt;/tt&gt; does the same on the command line.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Paste Table Source pastes a table copied as LaTeX or HTML source, or copied from a web page or a spreadsheet (their HTML form is read first), at the top-left cell of the selection with its spans, placements and ruled lines, like Paste; Undo takes it back in one step. Source it cannot read is named with the line and column of the problem, and nothing is pasted.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Paste Table Source pastes a table copied as LaTeX or HTML source, or copied from a web page or a spreadsheet (their HTML form is read first), at the top-left cell of the selection with its spans, placements and ruled lines, like Paste; Undo takes it back in one step. Source it cannot read is named with the line and column of the problem, and nothing is pasted.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>open or close the rendered preview</source>
        <translation>open or close the rendered preview</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Rendered preview&lt;/h3&gt;&lt;p&gt;View › Rendered preview (F7, or the last toolbar button) opens a panel beside the grid that shows the table as LaTeX typesets it (&lt;tt&gt;tabular&lt;/tt&gt; or &lt;tt&gt;array&lt;/tt&gt;, with the generation options) or as a browser lays out the HTML. It shows the selection, or the whole used area of the table while a single cell is selected, and follows every change a moment after it. TeX runs in the background: you can go on editing while it works. A TeX error is shown with the line of the generated source it points at. The LaTeX preview needs &lt;tt&gt;pdflatex&lt;/tt&gt; (Debian package &lt;tt&gt;texlive-latex-base&lt;/tt&gt;); tables with Japanese text need &lt;tt&gt;lualatex&lt;/tt&gt; with &lt;tt&gt;luatexja&lt;/tt&gt; (packages &lt;tt&gt;texlive-luatex&lt;/tt&gt; and &lt;tt&gt;texlive-lang-japanese&lt;/tt&gt;).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Rendered preview&lt;/h3&gt;&lt;p&gt;View › Rendered preview (F7, or the last toolbar button) opens a panel beside the grid that shows the table as LaTeX typesets it (&lt;tt&gt;tabular&lt;/tt&gt; or &lt;tt&gt;array&lt;/tt&gt;, with the generation options) or as a browser lays out the HTML. It shows the selection, or the whole used area of the table while a single cell is selected, and follows every change a moment after it. TeX runs in the background: you can go on editing while it works. A TeX error is shown with the line of the generated source it points at. The LaTeX preview needs &lt;tt&gt;pdflatex&lt;/tt&gt; (Debian package &lt;tt&gt;texlive-latex-base&lt;/tt&gt;); tables with Japanese text need &lt;tt&gt;lualatex&lt;/tt&gt; with &lt;tt&gt;luatexja&lt;/tt&gt; (packages &lt;tt&gt;texlive-luatex&lt;/tt&gt; and &lt;tt&gt;texlive-lang-japanese&lt;/tt&gt;).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CLinePaletteDlg</name>
    <message>
        <source>単線枠</source>
        <translation>Single frame</translation>
    </message>
    <message>
        <source>左単線</source>
        <translation>Single left</translation>
    </message>
    <message>
        <source>上単線</source>
        <translation>Single top</translation>
    </message>
    <message>
        <source>下単線</source>
        <translation>Single bottom</translation>
    </message>
    <message>
        <source>右単線</source>
        <translation>Single right</translation>
    </message>
    <message>
        <source>２重線枠</source>
        <translation>Double frame</translation>
    </message>
    <message>
        <source>左２重線</source>
        <translation>Double left</translation>
    </message>
    <message>
        <source>上２重線</source>
        <translation>Double top</translation>
    </message>
    <message>
        <source>下２重線</source>
        <translation>Double bottom</translation>
    </message>
    <message>
        <source>右２重線</source>
        <translation>Double right</translation>
    </message>
    <message>
        <source>格子状</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>定型</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>框線</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>樣式</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>輸入方法</source>
        <translation>Input Method</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>覆寫</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>消去</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>結束</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage1</name>
    <message>
        <source>加一行 \documentstyle{...</source>
        <translation>Add a \documentstyle{... line</translation>
    </message>
    <message>
        <source>加 caption</source>
        <translation>Add a caption</translation>
    </message>
    <message>
        <source>加註解</source>
        <translation>Add comments</translation>
    </message>
    <message>
        <source>加 label</source>
        <translation>Add a label</translation>
    </message>
    <message>
        <source>加一行 \begin{table}...</source>
        <translation>Add a \begin{table}... line</translation>
    </message>
    <message>
        <source>caption 的位置</source>
        <translation>Caption Position</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Above</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Below</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage2</name>
    <message>
        <source>加註解</source>
        <translation>Add comments</translation>
    </message>
    <message>
        <source>括弧的種類</source>
        <translation>Brackets</translation>
    </message>
    <message>
        <source>無</source>
        <translation>None</translation>
    </message>
    <message>
        <source>小括弧   (</source>
        <translation>Parentheses   (</translation>
    </message>
    <message>
        <source>大括弧   {</source>
        <translation>Braces   {</translation>
    </message>
    <message>
        <source>中括弧   [</source>
        <translation>Square brackets   [</translation>
    </message>
    <message>
        <source>數式環境</source>
        <translation>Math Mode</translation>
    </message>
    <message>
        <source>行中數式表示 $</source>
        <translation>In-line math   $</translation>
    </message>
    <message>
        <source>顯示式數式表示 \[</source>
        <translation>Display math   \[</translation>
    </message>
    <message>
        <source>加 \documentstyle...</source>
        <translation>Add \documentstyle...</translation>
    </message>
</context>
<context>
    <name>CMyPropertyPage3</name>
    <message>
        <source>引入框線</source>
        <translation>Draw borders</translation>
    </message>
</context>
<context>
    <name>COutputMethodDlg</name>
    <message>
        <source>輸出方法</source>
        <translation>Output Method</translation>
    </message>
    <message>
        <source>存入舊有檔案</source>
        <translation>Insert into an existing file</translation>
    </message>
    <message>
        <source>存入新檔</source>
        <translation>Save as a new file</translation>
    </message>
    <message>
        <source>關鍵字</source>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>新檔的文字編碼</source>
        <translation>Encoding of a new file</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CQtFileDialog</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>CQtRecoveryQuestion</name>
    <message>
        <source>復元(&amp;R)</source>
        <translation>&amp;Recover</translation>
    </message>
    <message>
        <source>破棄(&amp;D)</source>
        <translation>&amp;Discard</translation>
    </message>
</context>
<context>
    <name>CRenderPanel</name>
    <message>
        <source>Rendered preview</source>
        <translation>Rendered preview</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Target:</translation>
    </message>
    <message>
        <source>Rendering...</source>
        <translation>Rendering...</translation>
    </message>
    <message>
        <source>The HTML preview lays out at most %1 cells; this region has %2. Select a smaller part of the table.</source>
        <translation>The HTML preview lays out at most %1 cells; this region has %2. Select a smaller part of the table.</translation>
    </message>
    <message>
        <source>Source line %1: %2</source>
        <translation>Source line %1: %2</translation>
    </message>
</context>
<context>
    <name>CSourcePreviewDlg</name>
    <message>
        <source>產生之原始碼之預視與編輯</source>
        <translation>Preview and Edit the Generated Source</translation>
    </message>
    <message>
        <source>產生原始碼</source>
        <translation>Generated Source</translation>
    </message>
    <message>
        <source>檔案之儲存(&amp;F)</source>
        <translation>Save to a &amp;File</translation>
    </message>
    <message>
        <source>clipboard 之輸出(&amp;C)</source>
        <translation>Copy to the &amp;Clipboard</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CSplashWnd</name>
    <message>
        <source>Tables for LaTeX and HTML, drawn as you see them.</source>
        <translation>Tables for LaTeX and HTML, drawn as you see them.</translation>
    </message>
</context>
</TS>

// ProgramTexts: every text the program shows, as named constants (Shift-JIS at run time; UTF-16
// for the texts shown with a file's name, which any characters may spell).
#pragma once

inline constexpr char kTextCannotReadFile[] = "ファイルを読み込めませんでした。";
inline constexpr char kTextFileTooLarge[] = "ファイルサイズが大きすぎます。";
// A file that another program holds open for writing: the question whether to open it anyway.
inline constexpr char kTextOpenSharingRefused[] =
    "ほかのプログラムがこのファイルに書き込むために開いているため、ほかからの書き込みを止めて開くことができません。\n"
    "読み取り専用で開きますか？ 表示中の内容は、そのプログラムの書き込みによって変わることがあります。";
inline constexpr char kTextCannotWriteFile[] = "ファイルに書き出せませんでした。";
// Why a save failed: a line after the file's name.
inline constexpr char kTextSaveNoRoom[] = "ディスクの空き領域が足りません。";
// The sizes after kTextSaveNoRoom when the room was asked for before saving: needed, then free.
inline constexpr char kTextSaveRoomNeeded[] = "必要な領域: ";
inline constexpr char kTextSaveRoomFree[] = " バイト、空き領域: ";
inline constexpr char kTextBytesUnit[] = " バイト";
// The old file went aside and could not be put back: its name follows, then the reason.
inline constexpr char kTextSaveKeptAside[] = "元のファイルは次の名前で残っています: ";
inline constexpr char kTextSaveDenied[] = "書き込みが許可されていません。";
inline constexpr char kTextSaveReadOnly[] = "読み取り専用のファイルか、フォルダです。";
inline constexpr char kTextSaveInUse[] = "ほかのプログラムがファイルを使用しています。";
inline constexpr char kTextSaveNoFolder[] = "保存先のフォルダが見つかりません。";
inline constexpr char kTextSaveBadName[] = "ファイル名が正しくありません。";
inline constexpr char kTextSaveNotAsWritten[] = "書き出したファイルが正しい長さになっていません。";
// Any other failure: the system's error code follows.
inline constexpr char kTextSaveSystemError[] = "システムのエラーが発生しました。コード: ";
// A recovery that could not read its backup; the backup file's name follows.
inline constexpr char kTextBackupLeft[] = "バックアップから復帰できませんでした。バックアップファイルは次の場所に残してあります。\n";
// A recovery whose backup was damaged part way: the changes after the damage are lost.
inline constexpr char kTextBackupPartial[] =
    "バックアップの一部が壊れていたため、最後の変更の一部を復帰できませんでした。読み取れた時点までの内容を表示します。\n"
    "バックアップファイルは次の場所に残してあります。\n";

// The main window.
inline constexpr char kTextMainCaption[] = "Korvani Quillet";
inline constexpr char kTextModifiedMark[] = "変更";
inline constexpr char kTextReadOnlyMark[] = "読み取り専用";
// The data inspector's context menu: the selected row, and every row.
inline constexpr char kTextInspectorCopy[] = "コピー";
inline constexpr char kTextInspectorCopyAll[] = "すべてコピー";
inline constexpr char kTextOpenDialogTitle[] = "[vornalix] ファイルを開く";
inline constexpr char kTextSaveDialogTitle[] = "[vornalix] 名前を付けて保存";
inline constexpr char kTextOpenButtonHint[] = "ファイルを開く";
inline constexpr char kTextHelpNotFound[] =
    "ヘルプファイル vornalix.chm が見つかりません。\nアプリケーションをインストールしなおしてください。";
inline constexpr char kTextSystemUnstable[] = "Windows システムが不安定になっています。";
inline constexpr char kTextApplicationTitle[] = "Quillet";

// The save query.
inline constexpr char kTextQuerySaveCaption[] = "問い合わせ [Korvani Quillet]";
inline constexpr char kTextQuerySaveChanged[] = "編集中の文書が変更されています。";
inline constexpr char kTextQuerySaveYes[] = "保存する";
inline constexpr char kTextQuerySaveNo[] = "保存しない";
inline constexpr char kTextQuerySaveCancel[] = "中止";

// The checksum command and its dialog.
inline constexpr char kTextChecksumCaption[] = "チェックサム";
inline constexpr char kTextChecksumCopy[] = "コピー";
inline constexpr char kTextChecksumClose[] = "閉じる";
inline constexpr char kTextChecksumFailed[] = "チェックサムを計算できませんでした。";
inline constexpr char kTextChecksumNotCopied[] = "クリップボードにコピーできませんでした。";

// The patching commands: copy as, paste as hex text, fill.
inline constexpr char kTextCopyAsCaption[] = "形式を指定してコピー";
inline constexpr char kTextCopyAsFormat[] = "形式";
inline constexpr const char* kTextCopyAsFormats[] = {"C/C++ の配列", "16 進文字列", "16 進ダンプ", "Base64"};
inline constexpr char kTextCopyAsPreview[] = "プレビュー (先頭の行):";
inline constexpr char kTextCopyAsCopy[] = "コピー";
inline constexpr char kTextPatchCancel[] = "キャンセル";
inline constexpr char kTextPatchOk[] = "OK";
inline constexpr char kTextPatchNoSelection[] = "範囲が選択されていません。";
// "選択範囲が大きすぎます (300,000,000 バイト)。" then the limit's line.
inline constexpr char kTextPatchTooLargeHead[] = "選択範囲が大きすぎます (";
inline constexpr char kTextPatchTooLargeTail[] = " バイト)。";
inline constexpr char kTextCopyAsLimit[] = "形式を指定したコピーは 16 MiB (16,777,216 バイト) までです。";
inline constexpr char kTextFillLimit[] = "一度に埋められるのは 256 MiB (268,435,456 バイト) までです。";
inline constexpr char kTextPatchNotCopied[] = "クリップボードにコピーできませんでした。";
inline constexpr char kTextPatchCannotRead[] = "データを読み込めませんでした。";
inline constexpr char kTextPasteHexNone[] = "クリップボードの内容は 16 進文字列でも 16 進ダンプでもありません。";
inline constexpr char kTextPatchReadOnly[] = "編集禁止の文書は変更できません。";
inline constexpr char kTextFillCaption[] = "選択範囲を埋める";
inline constexpr char kTextFillWith[] = "埋めるもの";
inline constexpr const char* kTextFillKinds[] = {"16 進パターン", "テキスト", "乱数"};
inline constexpr char kTextFillValue[] = "パターン / テキスト:";
inline constexpr char kTextFillBadPattern[] = "16 進パターンは 2 桁ずつの 16 進数で入力してください (例: DE AD BE EF)。";
inline constexpr char kTextFillEmpty[] = "埋めるパターンかテキストを入力してください。";

// The number search and its dialog.
inline constexpr char kTextFindNumberCaption[] = "数値を検索 [Korvani Quillet]";
inline constexpr char kTextFindNumberValue[] = "検索する値";
inline constexpr char kTextFindNumberHint[] = "10 進数か、0x で始まる 16 進数を入力（例： -1、0x1F、3.14）";
inline constexpr char kTextFindNumberType[] = "型";
inline constexpr const char* kTextFindNumberTypes[] = {
    "8 ビット符号付き",  "8 ビット符号なし",  "16 ビット符号付き", "16 ビット符号なし", "32 ビット符号付き",
    "32 ビット符号なし", "64 ビット符号付き", "64 ビット符号なし", "32 ビット浮動小数点", "64 ビット浮動小数点"};
inline constexpr char kTextFindNumberOrder[] = "バイト順";
inline constexpr const char* kTextFindNumberOrders[] = {"リトル エンディアン", "ビッグ エンディアン"};
inline constexpr char kTextFindNumberTolerance[] = "許容誤差 (浮動小数点のみ)";
inline constexpr char kTextFindNumberNotANumber[] = "値は 10 進数か、0x で始まる 16 進数で入力してください。";
// "値が型の範囲を超えています。\n" then the type's range.
inline constexpr char kTextFindNumberOutOfRange[] = "値が型の範囲を超えています。\n範囲： ";
// A type's range: "-128 ～ 127 (16 進では 0x00 ～ 0xFF)".
inline constexpr char kTextFindNumberRangeTo[] = " ～ ";
inline constexpr char kTextFindNumberRangeHex[] = " (16 進では ";
inline constexpr char kTextFindNumberBadTolerance[] = "許容誤差は 0 以上の数値で入力してください (浮動小数点の型のみ)。";

// Writing and reading Intel HEX and S-record files.
inline constexpr char kTextRecordFilterIntelHex[] = "Intel HEX (*.hex;*.ihx)|*.hex;*.ihx|すべてのファイル (*.*)|*.*";
inline constexpr char kTextRecordFilterSRecord[] =
    "S レコード (*.s19;*.s28;*.s37;*.srec;*.mot)|*.s19;*.s28;*.s37;*.srec;*.mot|すべてのファイル (*.*)|*.*";
inline constexpr char kTextRecordFilterBoth[] =
    "Intel HEX / S レコード|*.hex;*.ihx;*.s19;*.s28;*.s37;*.srec;*.mot|すべてのファイル (*.*)|*.*";
inline constexpr char kTextRecordExportCaption[] = "書き出すファイル名";
inline constexpr char kTextRecordImportCaption[] = "読み込むファイル";
inline constexpr char kTextRecordTooFar[] = "Intel HEX と S レコードに書き出せるのは 4 GiB (4,294,967,296 バイト) までです。";
inline constexpr char kTextRecordCannotRead[] = "ファイルを読み込めませんでした。";
// "3 行目: " then the problem.
inline constexpr char kTextRecordLineSuffix[] = " 行目: ";
inline constexpr char kTextRecordNotRecords[] = "Intel HEX や S レコードの行ではありません。";
inline constexpr char kTextRecordBadChecksum[] = "チェックサムが合いません。";
inline constexpr char kTextRecordBadLength[] = "レコードの長さが正しくありません。";
inline constexpr char kTextRecordTooLarge[] = "データの範囲が 1 GiB を超えるため読み込めません。";
inline constexpr char kTextRecordNoData[] = "データのレコードがありません。";

// The find, replace, jump, settings and file-filter dialogs.
inline constexpr char kTextFindCaption[] = "検索 [Korvani Quillet]";
inline constexpr char kTextReplaceCaption[] = "置換 [Korvani Quillet]";
inline constexpr char kTextFindTarget[] = "検索バイト列";
inline constexpr char kTextReplaceTarget[] = "置換バイト列";
inline constexpr char kTextFindHint[] = "偶数桁の16進数を入力（例： A04932）";
inline constexpr char kTextReplaceHint[] = "偶数桁の16進数を入力\n例： A04932";
inline constexpr char kTextReplaceNext[] = "置換/次(&Y)";
inline constexpr char kTextReplaceEnd[] = "置換/終了(&E)";
inline constexpr char kTextSkipNext[] = "次(&N)";
inline constexpr char kTextReplaceAll[] = "すべて(&A)";
inline constexpr char kTextReplaceStop[] = "終了(&X)";

inline constexpr char kTextFindStringCaption[] = "テキストを検索 [Korvani Quillet]";
inline constexpr char kTextFindStringTarget[] = "検索テキスト";
inline constexpr char kTextFindStringHint[] = "検索する文字列を入力（例： Quillet）";
inline constexpr char kTextFindStringEncoding[] = "文字コード";
inline constexpr char kTextFindStringEitherCase[] = "大文字と小文字を区別しない";
inline constexpr char kTextFindStringUnconvertible[] =
    "入力されたテキストは選択された文字コードに変換できません。\nテキストを確認してください。";

inline constexpr char kTextBytePosCaption[] = "指定した位置に移動 [Korvani Quillet]";
inline constexpr char kTextCurPos[] = "現在の位置";
inline constexpr char kTextNewPos[] = "新しい位置";
inline constexpr char kTextShowMethod[] = "表記";
inline constexpr char kTextRadixHex[] = "16 進";
inline constexpr char kTextRadixDecimal[] = "10 進";
inline constexpr char kTextNewPosHint[] = "バイト位置を指定\n例: A902 (16 進の場合)\n例: 7420 (10 進の場合)";

inline constexpr char kTextSettingsCaption[] = "設定 [Korvani Quillet]";
inline constexpr char kTextSheetKeyboard[] = "キーボード設定";
inline constexpr char kTextCurrentShortcut[] = "現在のショートカット";
inline constexpr char kTextSetShortcut[] = "設定";
inline constexpr char kTextSheetAbnormalTermination[] = "対異常終了";
inline constexpr char kTextBackupTime[] = "バックアップ間隔 (sec)";
inline constexpr const char* kTextBackupExplanation[] = {
    "編集中の文書に変更が加えられた場合、上記の時間間隔で、",
    "一時ディレクトリー内にバックアップがとられます。",
    "間隔を小さくするとバックアップは変更をより正しく反映するようになり、",
    "間隔を大きくするとエディタの操作がより軽快になります。",
};
inline constexpr char kTextSheetFileFilter[] = "ファイルフィルター";
inline constexpr char kTextFilterUp[] = "上へ";
inline constexpr char kTextFilterDown[] = "下へ";
inline constexpr char kTextFilterNew[] = "作成";
inline constexpr char kTextFilterModify[] = "修正";
inline constexpr char kTextFilterDelete[] = "削除";
inline constexpr char kTextFilterInit[] = "初期化";
inline constexpr char kTextSheetOthers[] = "その他";
inline constexpr char kTextShowHint[] = "ヒントを表示する";
inline constexpr char kTextTabSize[] = "タブサイズ（バイト境界）";
inline constexpr char kTextMouseSelect[] = "マウスのドラッグと Shift キーで範囲を選択する";
inline constexpr char kTextSettingsExit[] = "終了";

inline constexpr char kTextFilterCaption[] = "ファイルフィルター [Korvani Quillet]";
inline constexpr char kTextExplanation[] = "説明";
inline constexpr char kTextFilter[] = "フィルター";
inline constexpr char kTextExplanationHint[] = "例: テキスト文書\n例: HTML文書";
inline constexpr char kTextFilterHint[] =
    "例: *.txt (半角星印+半角ピリオド+拡張子)\n例: *.htm;*.html (フィルターを半角セミコロンでつなぐ)";

// The about dialog.
inline constexpr char kTextAboutCaption[] = "バージョン情報";
inline constexpr char kTextAboutVersion[] = "バージョン";
inline constexpr char kTextSystemInfo[] = "システム情報";
inline constexpr char kTextAboutOk[] = "Ok";
inline constexpr char kTextOsName[] = "オペレーティングシステム";
inline constexpr char kTextComputerName[] = "コンピューター名";
inline constexpr char kTextUserName[] = "ユーザー名";

// Backup and recovery.
inline constexpr char kTextAbnormalTermination[] = "異常終了が発生していたことを検知しました。\n以前の状態に復帰します。";

// Start-up.
inline constexpr char kTextCannotInitialise[] = "アプリケーションを初期化できませんでした。\n再インストールが必要です。";

// The documents: the save query's words for each command, and the question they make.
inline constexpr char kTextQueryNew[] = "「新規作成」";
inline constexpr char kTextQueryOpen[] = "「開く」";
inline constexpr char kTextQueryExit[] = "「終了」";
inline constexpr char kTextQueryBackward[] = "「戻る」";
inline constexpr char kTextQueryForward[] = "「進む」";
inline constexpr char kTextQueryRefresh[] = "「再読み込み」";
inline constexpr char kTextQueryDeleteHistory[] = "「編集リストから削除」";
inline constexpr char kTextQueryComboChange[] = "表示文書の変更";
inline constexpr char kTextSaveQuestionSuffix[] = "をする前に保存しますか？";
// The editing list's item of the untitled document.
inline constexpr wchar_t kTextUntitledItem[] = L"[無題]";
// The shown file changed or deleted by another program: the file's name in quotes, then the text.
inline constexpr wchar_t kTextQuoteOpen[] = L"「";
inline constexpr wchar_t kTextQuoteClose[] = L"」";
inline constexpr wchar_t kTextReloadQuestion[] =
    L"は他のプログラムによって変更されました。\n読み込み直しますか？\n\n「いいえ」を選ぶと、表示中の内容をそのまま残します。";
inline constexpr wchar_t kTextOverwriteQuestion[] = L"は読み込んだ後に他のプログラムによって変更されています。\n上書きしますか？";
inline constexpr wchar_t kTextDeletedNotice[] = L"は他のプログラムによって削除されました。\n保存すると、表示中の内容でファイルが作り直されます。";

// A copy refused for its size: the text, the selection's size, the text, the limit, the text.
inline constexpr char kTextCopyTooLargeSize[] = "選択範囲が大きすぎるため、クリップボードにコピーできません。\n\n選択範囲： ";
inline constexpr char kTextCopyTooLargeLimit[] = " バイト\nコピーできる大きさ： ";
inline constexpr char kTextCopyTooLargeEnd[] = " バイトまで";

// Find and replace.
inline constexpr char kTextFindNotFound[] = "検索対象が見つかりません。";
// A search that met bytes of the document it could not read (the file under it failed).
inline constexpr char kTextFindReadFailed[] = "ファイルを読み込めなかったため、検索を最後まで行えませんでした。";
// After a replacement run of two or more: the count, then this.
inline constexpr char kTextReplacedCountSuffix[] = " 個のバイト列を置換しました。";

// The data inspector's rows.
inline constexpr const char* kTextInspectorLabels[] = {
    "8ビット符号付き",        "8ビット符号なし",
    "16ビット符号付き(LE)",   "16ビット符号なし(LE)",   "16ビット符号付き(BE)",   "16ビット符号なし(BE)",
    "32ビット符号付き(LE)",   "32ビット符号なし(LE)",   "32ビット符号付き(BE)",   "32ビット符号なし(BE)",
    "64ビット符号付き(LE)",   "64ビット符号なし(LE)",   "64ビット符号付き(BE)",   "64ビット符号なし(BE)",
    "32ビット浮動小数点(LE)", "32ビット浮動小数点(BE)", "64ビット浮動小数点(LE)", "64ビット浮動小数点(BE)",
    "2進数",                  "Shift-JIS",              "UTF-16LE",               "UTF-8",
};
inline constexpr char kTextInspectorInvalid[] = "無効";
inline constexpr char kTextInspectorIncomplete[] = "不完全";
inline constexpr char kTextInspectorControl[] = "(制御文字)";
inline constexpr char kTextInspectorDenormal[] = " (非正規化数)";
inline constexpr char kTextInspectorPlusInfinity[] = "+∞";
inline constexpr char kTextInspectorMinusInfinity[] = "-∞";
// The value of a row whose bytes lie past the end of the data.
inline constexpr char kTextInspectorPastEnd[] = "—";

// The checksum dialog's scope line: "選択領域 (1,024 バイト)".
inline constexpr char kTextChecksumSelection[] = "選択領域";
inline constexpr char kTextChecksumWhole[] = "文書全体";
inline constexpr char kTextChecksumBytes[] = "バイト";

// The settings dialog: no shortcut, the default file filter, and the question before taking a
// shortcut from another action: "Ctrl+F は [検索 -- 検索 (&F)...] で使われています。...".
inline constexpr char kTextNoShortcut[] = "(なし)";
inline constexpr char kTextDefaultFileFilter[] = "すべてのファイル(*.*)|*.*";
inline constexpr char kTextReassignUsedBy[] = " は [";
inline constexpr char kTextReassignSeparator[] = " -- ";
inline constexpr char kTextReassignQuestion[] = "] で使われています。\n設定しなおしてよろしいですか？";

// The action list: categories, then the caption and hint of each action in the list's order,
// and the menus.
inline constexpr char kTextCategoryFile[] = "ファイル";
inline constexpr char kTextCategoryHelp[] = "ヘルプ";
inline constexpr char kTextCategoryFind[] = "検索";
inline constexpr char kTextCategoryPref[] = "環境";
inline constexpr char kTextCategoryMove[] = "移動";
inline constexpr char kTextCategoryEditingList[] = "編集リスト";
inline constexpr char kTextCategoryEdit[] = "編集";
inline constexpr char kTextCategoryOthers[] = "その他";
inline constexpr char kTextCategoryTool[] = "ツール";
inline constexpr char kTextActionFileNew[] = "新規作成 (このエディタ) (&N)";
inline constexpr char kTextActionFileNewHint[] = "このエディタで新しい文書を作る";
inline constexpr char kTextActionFileOpen[] = "開く (このエディタ) (&O)...";
inline constexpr char kTextActionFileOpenHint[] = "このエディタに文書を読み込む";
inline constexpr char kTextActionFileEditorNew[] = "新規作成 (新しいエディタ)";
inline constexpr char kTextActionFileEditorNewHint[] = "新たにもう一つエディタを起動する";
inline constexpr char kTextActionFileEditorOpen[] = "開く (新しいエディタ)...";
inline constexpr char kTextActionFileEditorOpenHint[] = "新たにもう一つエディタを起動し、そこで文書を開く";
inline constexpr char kTextActionFileSave[] = "上書き保存 (&S)";
inline constexpr char kTextActionFileSaveHint[] = "編集中の文書を保存する";
inline constexpr char kTextActionFileSaveAs[] = "名前を付けて保存 (&A)...";
inline constexpr char kTextActionFileSaveAsHint[] = "編集中の文書に名前を付けて保存する";
inline constexpr char kTextActionFileExit[] = "終了 (&X)";
inline constexpr char kTextActionFileExitHint[] = "このエディタを終了する";
inline constexpr char kTextActionHelpContents[] = "目次 (&C)...";
inline constexpr char kTextActionHelpContentsHint[] = "ヘルプの目次を表示する";
inline constexpr char kTextActionHelpKeyword[] = "キーワード(&K)...";
inline constexpr char kTextActionHelpKeywordHint[] = "ヘルプのキーワードを開く";
inline constexpr char kTextActionHelpAbout[] = "バージョン情報 (&A)...";
inline constexpr char kTextActionHelpAboutHint[] = "バージョン情報を表示する";
inline constexpr char kTextActionFindFind[] = "検索 (&F)...";
inline constexpr char kTextActionFindFindHint[] = "字句を検索する";
inline constexpr char kTextActionFindNext[] = "次を検索 (&N)";
inline constexpr char kTextActionFindNextHint[] = "引き続いて下に向かって字句を検索する";
inline constexpr char kTextActionFindPrev[] = "前を検索 (&B)";
inline constexpr char kTextActionFindPrevHint[] = "引き続いて上に向かって字句を検索する";
inline constexpr char kTextActionFindReplace[] = "置換 (&R)...";
inline constexpr char kTextActionFindReplaceHint[] = "字句を探して、別の字句に置き換える";
inline constexpr char kTextActionPrefFont[] = "フォント (&F)...";
inline constexpr char kTextActionPrefFontHint[] = "エディタの表示フォントを変更する";
inline constexpr char kTextActionJumpDocTop[] = "文書先頭";
inline constexpr char kTextActionJumpDocTopHint[] = "入力位置を文書先頭に移動する";
inline constexpr char kTextActionJumpDocEnd[] = "文書末尾";
inline constexpr char kTextActionJumpDocEndHint[] = "入力位置を文書末尾に移動する";
inline constexpr char kTextActionEditorBackward[] = "戻る";
inline constexpr char kTextActionEditorBackwardHint[] = "編集リスト内の一つ前の文書を表示する";
inline constexpr char kTextActionEditorForward[] = "進む";
inline constexpr char kTextActionEditorForwardHint[] = "編集リスト内の一つ後の文書を表示する";
inline constexpr char kTextActionEditorRefresh[] = "再読み込み";
inline constexpr char kTextActionEditorRefreshHint[] = "編集中の文書を開きなおす";
inline constexpr char kTextActionEditorDeleteHistory[] = "編集リストから削除";
inline constexpr char kTextActionEditorDeleteHistoryHint[] = "編集リストから名前を削除する";
inline constexpr char kTextActionJumpPageUp[] = "１ページ上";
inline constexpr char kTextActionJumpPageUpHint[] = "入力位置を１ページ上に移動する";
inline constexpr char kTextActionJumpPageDown[] = "１ページ下";
inline constexpr char kTextActionJumpPageDownHint[] = "入力位置を１ページ下に移動する";
inline constexpr char kTextActionJumpLineTop[] = "行頭";
inline constexpr char kTextActionJumpLineTopHint[] = "入力位置を行頭に移動する";
inline constexpr char kTextActionPrefBgColor[] = "背景色 (&B)...";
inline constexpr char kTextActionPrefBgColorHint[] = "エディタの背景色を変更する";
inline constexpr char kTextActionPrefSettings[] = "その他 (&O)...";
inline constexpr char kTextActionPrefSettingsHint[] = "その他の設定を変更する";
inline constexpr char kTextActionJumpLineEnd[] = "行末";
inline constexpr char kTextActionJumpLineEndHint[] = "入力位置を行末に移動する";
inline constexpr char kTextActionJumpBytePos[] = "指定した位置に移動";
inline constexpr char kTextActionJumpBytePosHint[] = "入力位置を指定した位置に移動する";
inline constexpr char kTextActionMoveLeft[] = "左";
inline constexpr char kTextActionMoveLeftHint[] = "入力位置を左へ移動";
inline constexpr char kTextActionMoveRight[] = "右";
inline constexpr char kTextActionMoveRightHint[] = "入力位置を右へ移動";
inline constexpr char kTextActionMoveUp[] = "上";
inline constexpr char kTextActionMoveUpHint[] = "入力位置を上に移動する";
inline constexpr char kTextActionMoveDown[] = "下";
inline constexpr char kTextActionMoveDownHint[] = "入力位置を下に移動する";
inline constexpr char kTextActionEditUndo[] = "元に戻す (&Z)";
inline constexpr char kTextActionEditUndoHint[] = "変更を元に戻す";
inline constexpr char kTextActionEditRedo[] = "やり直す (&R)";
inline constexpr char kTextActionEditRedoHint[] = "変更を加えなおす";
inline constexpr char kTextActionEditSelBegin[] = "選択開始 (&J)";
inline constexpr char kTextActionEditSelBeginHint[] = "領域の選択を開始する";
inline constexpr char kTextActionEditSelEnd[] = "選択終了 (&K)";
inline constexpr char kTextActionEditSelEndHint[] = "領域の選択を終了する";
inline constexpr char kTextActionEditHideSel[] = "選択解除 (&H)";
inline constexpr char kTextActionEditHideSelHint[] = "領域の選択を止める";
inline constexpr char kTextActionEditCut[] = "切り取り (&X)";
inline constexpr char kTextActionEditCutHint[] = "選択領域をクリップボードに移動する";
inline constexpr char kTextActionEditCopy[] = "コピー (&C)";
inline constexpr char kTextActionEditCopyHint[] = "選択領域をクリップボードにコピーする";
inline constexpr char kTextActionEditDelete[] = "削除 (&D)";
inline constexpr char kTextActionEditDeleteHint[] = "選択領域を削除する";
inline constexpr char kTextActionEditInsert[] = "挿入 (&I)";
inline constexpr char kTextActionEditInsertHint[] = "クリップボードのデータを挿入する";
inline constexpr char kTextActionBookMark0[] = "ブックマーク &0";
inline constexpr char kTextActionBookMark0Hint[] = "ブックマーク 0 に移動する";
inline constexpr char kTextActionBookMark1[] = "ブックマーク &1";
inline constexpr char kTextActionBookMark1Hint[] = "ブックマーク 1 に移動する";
inline constexpr char kTextActionBookMark2[] = "ブックマーク &2";
inline constexpr char kTextActionBookMark2Hint[] = "ブックマーク 2 に移動する";
inline constexpr char kTextActionBookMark3[] = "ブックマーク &3";
inline constexpr char kTextActionBookMark3Hint[] = "ブックマーク 3 に移動する";
inline constexpr char kTextActionBookMark4[] = "ブックマーク &4";
inline constexpr char kTextActionBookMark4Hint[] = "ブックマーク 4 に移動する";
inline constexpr char kTextActionBookMark5[] = "ブックマーク &5";
inline constexpr char kTextActionBookMark5Hint[] = "ブックマーク 5 に移動する";
inline constexpr char kTextActionBookMark6[] = "ブックマーク &6";
inline constexpr char kTextActionBookMark6Hint[] = "ブックマーク 6 に移動する";
inline constexpr char kTextActionBookMark7[] = "ブックマーク &7";
inline constexpr char kTextActionBookMark7Hint[] = "ブックマーク 7 に移動する";
inline constexpr char kTextActionBookMark8[] = "ブックマーク &8";
inline constexpr char kTextActionBookMark8Hint[] = "ブックマーク 8 に移動する";
inline constexpr char kTextActionBookMark9[] = "ブックマーク &9";
inline constexpr char kTextActionBookMark9Hint[] = "ブックマーク 9 に移動する";
inline constexpr char kTextActionSetBookMark0[] = "ブックマーク 0 を設定";
inline constexpr char kTextActionSetBookMark0Hint[] = "ブックマーク 0 を設定する";
inline constexpr char kTextActionSetBookMark1[] = "ブックマーク 1 を設定";
inline constexpr char kTextActionSetBookMark1Hint[] = "ブックマーク 1 を設定する";
inline constexpr char kTextActionSetBookMark2[] = "ブックマーク 2 を設定";
inline constexpr char kTextActionSetBookMark2Hint[] = "ブックマーク 2 を設定する";
inline constexpr char kTextActionSetBookMark3[] = "ブックマーク 3 を設定";
inline constexpr char kTextActionSetBookMark3Hint[] = "ブックマーク 3 を設定する";
inline constexpr char kTextActionSetBookMark4[] = "ブックマーク 4 を設定";
inline constexpr char kTextActionSetBookMark4Hint[] = "ブックマーク 4 を設定する";
inline constexpr char kTextActionSetBookMark5[] = "ブックマーク 5 を設定";
inline constexpr char kTextActionSetBookMark5Hint[] = "ブックマーク 5 を設定する";
inline constexpr char kTextActionSetBookMark6[] = "ブックマーク 6 を設定";
inline constexpr char kTextActionSetBookMark6Hint[] = "ブックマーク 6 を設定する";
inline constexpr char kTextActionSetBookMark7[] = "ブックマーク 7 を設定";
inline constexpr char kTextActionSetBookMark7Hint[] = "ブックマーク 7 を設定する";
inline constexpr char kTextActionSetBookMark8[] = "ブックマーク 8 を設定";
inline constexpr char kTextActionSetBookMark8Hint[] = "ブックマーク 8 を設定する";
inline constexpr char kTextActionSetBookMark9[] = "ブックマーク 9 を設定";
inline constexpr char kTextActionSetBookMark9Hint[] = "ブックマーク 9 を設定する";
inline constexpr char kTextActionOthersTab[] = "タブ挿入";
inline constexpr char kTextActionOthersTabHint[] = "次のバイト境界まで 0 を挿入する";
inline constexpr char kTextActionFindString[] = "テキストを検索 (&T)...";
inline constexpr char kTextActionFindStringHint[] = "文字列を文字コードで指定して検索する";
inline constexpr char kTextActionToolInspector[] = "データインスペクタ (&I)";
inline constexpr char kTextActionToolInspectorHint[] = "入力位置のバイトを数値や文字として表示する";
inline constexpr char kTextActionToolChecksum[] = "チェックサム (&M)...";
inline constexpr char kTextActionToolChecksumHint[] = "選択領域または文書全体のチェックサムを計算する";
inline constexpr char kTextActionEditCopyAs[] = "形式を指定してコピー (&A)...";
inline constexpr char kTextActionEditCopyAsHint[] = "選択領域を C/C++ の配列、16 進文字列、16 進ダンプ、Base64 としてコピーする";
inline constexpr char kTextActionEditPasteHex[] = "16 進テキストとして貼り付け (&P)";
inline constexpr char kTextActionEditPasteHexHint[] = "クリップボードの 16 進文字列または 16 進ダンプのバイトを挿入する";
inline constexpr char kTextActionEditFill[] = "選択範囲を埋める (&L)...";
inline constexpr char kTextActionEditFillHint[] = "選択領域を 16 進パターン、テキスト、乱数で埋める";
inline constexpr char kTextActionFindNumber[] = "数値を検索 (&U)...";
inline constexpr char kTextActionFindNumberHint[] = "整数や浮動小数点数を、型とバイト順を指定して検索する";
inline constexpr char kTextActionToolExportIntelHex[] = "Intel HEX で書き出し (&H)...";
inline constexpr char kTextActionToolExportIntelHexHint[] = "選択領域 (選択がなければデータ全体) を Intel HEX 形式のファイルに書き出す";
inline constexpr char kTextActionToolExportSRecord[] = "S レコードで書き出し (&S)...";
inline constexpr char kTextActionToolExportSRecordHint[] = "選択領域 (選択がなければデータ全体) を Motorola S レコード形式のファイルに書き出す";
inline constexpr char kTextActionToolImportRecords[] = "Intel HEX / S レコードの読み込み (&R)...";
inline constexpr char kTextActionToolImportRecordsHint[] = "Intel HEX か S レコードのファイルを読み、そのバイトを新しい文書として開く";
inline constexpr char kTextMenuFile[] = "ファイル(&F)";
inline constexpr char kTextMenuEdit[] = "編集(&E)";
inline constexpr char kTextMenuFind[] = "検索(&Q)";
inline constexpr char kTextMenuPreference[] = "環境(&P)";
inline constexpr char kTextMenuTool[] = "ツール(&T)";
inline constexpr char kTextMenuHelp[] = "ヘルプ(&H)";
inline constexpr char kTextMenuEditReadOnly[] = "編集禁止";

// File compare.
inline constexpr char kTextActionToolCompare[] = "ファイルの比較 (&O)...";
inline constexpr char kTextActionToolCompareHint[] = "二つのファイルを比較して相違箇所を表示する";
inline constexpr char kTextCompareFilesCaption[] = "ファイルの比較";
inline constexpr char kTextCompareFirst[] = "比較元(&1):";
inline constexpr char kTextCompareSecond[] = "比較先(&2):";
inline constexpr char kTextCompareBrowse[] = "参照...";
inline constexpr char kTextCompareShownDocument[] = "(表示中の文書)";
inline constexpr char kTextCompareInsertionAware[] = "挿入・削除を考慮して比較(&I)";
inline constexpr char kTextCompareOk[] = "比較";
inline constexpr char kTextCompareCancel[] = "キャンセル";
inline constexpr char kTextCompareNoSecond[] = "比較するファイルを指定してください。";
inline constexpr char kTextCompareCaption[] = "比較 - ";
inline constexpr char kTextCompareMenu[] = "比較(&C)";
inline constexpr char kTextCompareNext[] = "次の相違(&N)";
inline constexpr char kTextComparePrev[] = "前の相違(&P)";
inline constexpr char kTextCompareAgain[] = "再比較(&R)";
inline constexpr char kTextCompareCopyList[] = "一覧をコピー(&C)";
inline constexpr char kTextCompareOpenFirst[] = "比較元をエディタで開く(&1)";
inline constexpr char kTextCompareOpenSecond[] = "比較先をエディタで開く(&2)";
inline constexpr char kTextCompareCancelRun[] = "比較を中止(&S)";
inline constexpr char kTextCompareClose[] = "閉じる(&X)";
inline constexpr char kTextCompareRunning[] = "比較中... %s (Esc で中止)";
inline constexpr char kTextCompareIdentical[] = "同一です (%s バイト)";
inline constexpr char kTextCompareSummary[] = "相違 %s バイト / %s 箇所";
inline constexpr char kTextCompareCurrent[] = "  [%s/%s] 比較元 %s / 比較先 %s";
inline constexpr char kTextCompareSizes[] = "  サイズ %s / %s バイト";
inline constexpr char kTextCompareCancelled[] = "比較を中止しました (中止までの相違を表示しています)";
inline constexpr char kTextCompareReadFailed[] = "読み込めない位置があったため比較を中止しました: %s";
inline constexpr char kTextCompareTooLarge[] = "挿入・削除を考慮した比較は 256 MiB までのファイルに限られます。同じ位置のバイトを比較してください";
inline constexpr char kTextCompareBoundNote[] = "  (注: %s 以降に一致する箇所が探索範囲 1 MiB 内に見つからず、%s 箇所を同じ長さの置換とみなしました)";
inline constexpr char kTextCompareListCut[] = "  (一覧は先頭の %s 箇所までです)";
inline constexpr char kTextCompareDocumentChanged[] = "表示中の文書が変更されました。再比較 (F5) で比べ直します";
inline constexpr char kTextCompareCannotOpen[] = "ファイルを開けません。\n%s";
inline constexpr char kTextCompareFailed[] = "比較できませんでした。";
inline constexpr char kTextCompareOnlyFirst[] = "比較元のみ";
inline constexpr char kTextCompareOnlySecond[] = "比較先のみ";
inline constexpr char kTextCompareListHeader[] = "比較元の位置\t長さ\t比較先の位置\t長さ";

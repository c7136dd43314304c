// Texts shown by the program.
#pragma once

inline constexpr char kTextCannotReadFile[] = "ファイルを読み込めませんでした。";
inline constexpr char kTextFileTooLarge[] = "ファイルサイズが大きすぎます。";
inline constexpr char kTextCannotWriteFile[] = "ファイルに書き出せませんでした。";
// Why a save failed: a line after the file's name.
inline constexpr char kTextSaveNoRoom[] = "ディスクの空き領域が足りません。";
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

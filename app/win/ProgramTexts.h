// Texts shown by the program.
#pragma once

inline constexpr char kTextCannotReadFile[] = "ファイルを読み込めませんでした。";
inline constexpr char kTextFileTooLarge[] = "ファイルサイズが大きすぎます。";
inline constexpr char kTextCannotWriteFile[] = "ファイルに書き出せませんでした。";

// The main window.
inline constexpr char kTextMainCaption[] = "Korvani Quillet";
inline constexpr char kTextModifiedMark[] = "変更";
inline constexpr char kTextExitQuery[] = "「終了」";
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

// Texts shown by the control library.
#pragma once

inline constexpr char kTextSizeLimit[] = "データの大きさが、扱える範囲を超えてしまいます。";
inline constexpr char kTextUnstable[] = "Windows システムが不安定になっています。";

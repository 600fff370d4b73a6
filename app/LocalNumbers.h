#pragma once

#include <QString>

#include <optional>

// Numbers as the window shows them and takes them: in the locale of the
// language the user chose (QLocale's default, set with the language), so a
// German window shows "1,5". Project files, the box, ramvik-cli and the
// clipboard keep the point; they never go through here.

// A number the user typed or pasted: the locale's decimal separator and the
// point are both taken ("1,5" and "1.5"), group separators never ("1.500"
// is 1.5, not 1500). Nothing when the text is no finite number.
std::optional<double> ReadLocalNumber(const QString& text);

// A value with up to 15 significant digits in the locale's way, so one
// drifted by 0.1 V steps (1.2999999999999998) shows as "1,3" or "1.3".
QString LocalNumber(double value);

#include "table_style.h"

namespace corvane::style {

QFont TableFont(int size, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size);
    font.setBold(bold);
    // Unhinted glyphs keep their proportions, so a text fits its control at every scale.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace corvane::style

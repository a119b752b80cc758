#pragma once

#include <QString>

#include <string_view>

namespace corvane {

// The game's texts are UTF-8 standard strings.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace corvane

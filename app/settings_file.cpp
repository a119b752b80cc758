#include "settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <algorithm>
#include <optional>
#include <vector>

#include "game_state.h"

namespace corvane {

namespace {

constexpr int FieldCount = 5;
// A good file is one short line; reading stops long before a damaged one could fill the memory.
constexpr qint64 MaxBytesRead = 64 * 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

struct Field {
    QByteArrayView Text;
    bool Readable = true;  // false for a quote that is never closed
};

QByteArrayView Trimmed(QByteArrayView text) {
    while (!text.isEmpty() && IsBlank(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && IsBlank(text.back())) text.chop(1);
    return text;
}

// Fields end at a comma or a line end; blank lines and blanks around a field are skipped. A
// quoted field runs to its closing quote, commas included, and must close on its own line.
std::vector<Field> SplitFields(QByteArrayView bytes) {
    std::vector<Field> fields;
    const qsizetype n = bytes.size();
    qsizetype at = 0;
    while (static_cast<int>(fields.size()) < FieldCount) {
        while (at < n && (IsBlank(bytes[at]) || IsLineEnd(bytes[at]))) ++at;
        if (at >= n) break;
        Field field;
        bool quoted = false;
        if (bytes[at] == '"') {
            const qsizetype open = at + 1;
            qsizetype close = open;
            while (close < n && bytes[close] != '"' && !IsLineEnd(bytes[close])) ++close;
            quoted = close < n && bytes[close] == '"';
            field.Readable = quoted;
            if (quoted) field.Text = bytes.sliced(open, close - open);
            at = quoted ? close + 1 : close;
        }
        // Up to the separator; anything after a closing quote is passed over.
        const qsizetype start = at;
        while (at < n && bytes[at] != ',' && !IsLineEnd(bytes[at])) ++at;
        if (!quoted && field.Readable) field.Text = Trimmed(bytes.sliced(start, at - start));
        if (at < n && bytes[at] == ',') ++at;
        fields.push_back(field);
    }
    return fields;
}

// A decimal integer that fits 16 bits, with an optional sign.
std::optional<int> ReadInt16(const Field& field) {
    if (!field.Readable) return std::nullopt;
    QByteArrayView text = Trimmed(field.Text);
    bool negative = false;
    if (!text.isEmpty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text = text.sliced(1);
    }
    if (text.isEmpty()) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 32768) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 32767) return std::nullopt;
    return value;
}

bool IsValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                       QStringConverter::Flag::Stateless);
    const QString decoded = decoder(bytes);
    return !decoder.hasError();
}

// Windows-1252, the single-byte code page such files were written in: Latin-1 but for 0x80 to
// 0x9F, which carry typographic marks and letters. Its five unused bytes stay the C1 controls
// Windows gives them, which a name then drops.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar FromWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
}

// The byte of `c` in Windows-1252, if it has one.
std::optional<char> ToWindows1252(QChar c) {
    if (c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() < 0x100)) {
        return static_cast<char>(c.unicode());
    }
    for (int i = 0; i < 32; ++i) {
        if (kWindows1252High[i] == c.unicode() && FromWindows1252(0x80 + i) != QChar(0x80 + i)) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

// A name is one byte a character when it can be, so that it reads back in any single-byte reader;
// otherwise, and whenever those bytes would read back as a different UTF-8 name, it is UTF-8.
QByteArray EncodeName(const QString& name) {
    QByteArray singleBytes;
    bool ascii = true;
    for (const QChar c : name) {
        const std::optional<char> byte = ToWindows1252(c);
        if (!byte) return name.toUtf8();
        singleBytes += *byte;
        ascii = ascii && c.unicode() < 0x80;
    }
    if (ascii || !IsValidUtf8(singleBytes)) return singleBytes;
    return name.toUtf8();
}

QString DecodeName(QByteArrayView bytes) {
    if (IsValidUtf8(bytes)) return QString::fromUtf8(bytes);
    QString name;
    for (const char byte : bytes) name += FromWindows1252(static_cast<unsigned char>(byte));
    return name;
}

QString CleanName(const QString& name) {
    QString clean;
    for (const QChar c : name) {
        if (clean.size() >= MaxPlayerNameLength) break;
        const QChar::Category category = c.category();
        const bool breaksTheLine = category == QChar::Other_Control ||
                                   category == QChar::Separator_Line ||
                                   category == QChar::Separator_Paragraph;
        if (c != u'"' && !breaksTheLine) clean += c;
    }
    // Never half of a character outside the Basic Multilingual Plane at the cut.
    if (!clean.isEmpty() && clean.back().isHighSurrogate()) clean.chop(1);
    return clean;
}

bool IsUsableSpeed(int speed) {
    return speed == SpeedFast || speed == SpeedMedium || speed == SpeedSlow;
}

bool IsUsableTarget(int target) {
    return target >= 500 && target % 250 == 0;
}

// An installed program keeps its settings with the user, never beside itself among the system's
// programs; its desktop entry lies under the data folder next to its own.
bool IsInstalledCopy(const QString& programDirectory) {
    return QFileInfo::exists(
        QDir(programDirectory).filePath(QStringLiteral(CORVANE_INSTALLED_MARKER)));
}

bool CanCreateFilesIn(const QString& directory) {
    QTemporaryFile probe(QDir(directory).filePath(QStringLiteral("Cv.XXXXXX")));
    return probe.open();
}

}  // namespace

Settings ParseSettings(QByteArrayView bytes) {
    // A UTF-8 byte-order mark, as some editors write, is no part of the first count.
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    const std::vector<Field> fields = SplitFields(bytes);
    const auto number = [&fields](int index) -> std::optional<int> {
        if (index >= static_cast<int>(fields.size())) return std::nullopt;
        return ReadInt16(fields[index]);
    };
    Settings settings;
    for (int p = 1; p <= 2; ++p) settings.Stats[p] = std::max(number(p - 1).value_or(0), 0);
    settings.Speed = number(2).value_or(SpeedMedium);
    if (!IsUsableSpeed(settings.Speed)) settings.Speed = SpeedMedium;
    if (fields.size() > 3 && fields[3].Readable) {
        settings.PlayerName = CleanName(DecodeName(fields[3].Text)).toStdString();
    }
    settings.TargetScore = number(4).value_or(1000);
    if (!IsUsableTarget(settings.TargetScore)) settings.TargetScore = 1000;
    return settings;
}

QByteArray FormatSettings(const Settings& settings) {
    QByteArray line;
    for (const int value : {settings.Stats[1], settings.Stats[2], settings.Speed}) {
        line += QByteArray::number(value) + ',';
    }
    line += '"' + EncodeName(QString::fromStdString(CleanPlayerName(settings.PlayerName))) + '"';
    line += ',' + QByteArray::number(settings.TargetScore) + "\r\n";
    return line;
}

std::string CleanPlayerName(std::string_view name) {
    return CleanName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
        .toStdString();
}

Settings SettingsOf(const Game& g) {
    Settings settings;
    settings.Stats = g.Stats;
    settings.Speed = g.Speed;
    settings.PlayerName = g.PlayerName;
    settings.TargetScore = g.TargetScore;
    return settings;
}

void ApplySettings(Game& g, const Settings& settings) {
    g.Stats = settings.Stats;
    g.Speed = settings.Speed;
    g.PlayerName = settings.PlayerName;
    g.TargetScore = settings.TargetScore;
}

QString ChooseSettingsDirectory(const QString& programDirectory, const QString& configDirectory) {
    if (!IsInstalledCopy(programDirectory) && CanCreateFilesIn(programDirectory)) {
        return programDirectory;
    }
    return configDirectory;
}

QString SettingsDirectory() {
    return ChooseSettingsDirectory(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

namespace {

// Held while the file is read and written again, by every copy of the program.
constexpr int LockWaitMs = 3000;
// The file's counts are 16-bit.
constexpr int MaxCount = 32767;

QString SettingsPath(const QString& directory) {
    return QDir(directory).filePath(QLatin1String(SettingsFileName));
}

Settings ReadSettings(const QString& directory) {
    QFile file(SettingsPath(directory));
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.read(MaxBytesRead);
    return ParseSettings(bytes);
}

bool WriteSettings(const Settings& settings, const QString& directory) {
    QSaveFile file(SettingsPath(directory));
    // Unbuffered, so that a short write on a full disk shows in the count written; a buffered one
    // reaches the disk only at commit, which does not report a short write.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const QByteArray line = FormatSettings(settings);
    if (file.write(line) != line.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The lock of the file in `directory`; only a holder that has died leaves it stale, however long
// a live one holds it.
bool Lock(QLockFile& lock, const QString& directory) {
    if (!QDir().mkpath(directory)) return false;
    lock.setStaleLockTime(0);
    return lock.tryLock(LockWaitMs);
}

}  // namespace

void ReadSettingsFile(Game& g, const QString& directory) {
    ApplySettings(g, ReadSettings(directory));
}

bool WriteSettingsFile(const Game& g, const QString& directory) {
    QLockFile lock(SettingsPath(directory) + QStringLiteral(".lock"));
    return Lock(lock, directory) && WriteSettings(SettingsOf(g), directory);
}

bool AddToSettingsFile(Game& g, const QString& directory, std::array<int, 3>& counted) {
    QLockFile lock(SettingsPath(directory) + QStringLiteral(".lock"));
    if (!Lock(lock, directory)) return false;
    Settings settings = SettingsOf(g);
    // A file gone meanwhile loses nothing: the counts go on from those this copy knew.
    const PerPlayer<int> now =
        QFileInfo::exists(SettingsPath(directory)) ? ReadSettings(directory).Stats : counted;
    for (int p = 1; p <= 2; ++p) {
        if (g.Stats[p] < counted[p]) continue;
        settings.Stats[p] = std::min(now[p] + g.Stats[p] - counted[p], MaxCount);
    }
    if (!WriteSettings(settings, directory)) return false;
    g.Stats = counted = settings.Stats;
    return true;
}

}  // namespace corvane

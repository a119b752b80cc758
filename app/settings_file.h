#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <string>
#include <string_view>

namespace corvane {

struct Game;

// The preferences and statistics kept in "Cv.dat": one line of five comma-separated fields,
// games won by the person, games won by Tarvish, the speed, the name in double quotes and the
// target score, ending in CR LF.
struct Settings {
    std::array<int, 3> Stats{};  // indexed by player number 1 and 2
    int Speed = 75;
    std::string PlayerName = "Player";  // UTF-8
    int TargetScore = 1000;

    bool operator==(const Settings&) const = default;
};

inline constexpr char SettingsFileName[] = "Cv.dat";
// Names are cut to this many characters so that they fit the table's name labels.
inline constexpr int MaxPlayerNameLength = 40;

// Reads the five fields from the start of `bytes`. Whatever cannot be read, or holds a value the
// game cannot use, takes its default: counts 0, speed 75, name "Player", target 1000.
Settings ParseSettings(QByteArrayView bytes);
// The file's exact contents for `settings`.
QByteArray FormatSettings(const Settings& settings);

// A name that the file keeps whole: without double quotes, line breaks and other control
// characters, and at most MaxPlayerNameLength characters long.
std::string CleanPlayerName(std::string_view name);

Settings SettingsOf(const Game& g);
void ApplySettings(Game& g, const Settings& settings);

// Where the settings file lives: beside the program when the program may create files there and
// is not an installed copy, else in `configDirectory`.
QString ChooseSettingsDirectory(const QString& programDirectory, const QString& configDirectory);
// The same choice for this program and the user's configuration folder.
QString SettingsDirectory();

// Reads the file in `directory` into the game's five fields; a missing or damaged file leaves
// defaults where it cannot be read.
void ReadSettingsFile(Game& g, const QString& directory);
// Replaces the file in `directory` with the game's current values, atomically: a failed write
// leaves the last good file whole. False when the file could not be written.
bool WriteSettingsFile(const Game& g, const QString& directory);
// Writes the game's values as WriteSettingsFile does, but with the games won since `counted` (the
// counts as this copy last wrote them) added to what the file holds at that moment, so that a
// game another copy counted meanwhile is kept; a count below `counted` was erased and is written
// as it is; a file gone meanwhile counts as holding `counted`. The file is read and written under
// one lock. On success the game and `counted` hold
// the counts now in the file.
bool AddToSettingsFile(Game& g, const QString& directory, std::array<int, 3>& counted);

}  // namespace corvane

#pragma once

#include <QString>

namespace corvane {

// Whatever says the table's announcements aloud. Saying never waits for the words: a newer
// announcement may cut an older one short.
class Speaker {
public:
    virtual ~Speaker() = default;
    virtual void say(const QString& text) = 0;
};

}  // namespace corvane

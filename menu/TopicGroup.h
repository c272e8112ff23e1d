#pragma once

#include <QString>

namespace orbeta {

// The setup screen, the counts and several pictures differ only between the
// physics topics 1 to 5 and the history topic 6.
enum class TopicGroup { Physics, History };

// Codes beginning with "6" are history tasks; every other code, including the
// "0" of no choice, is treated as physics.
TopicGroup topicGroupOf(const QString& taskCode);

} // namespace orbeta

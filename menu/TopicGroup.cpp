#include "menu/TopicGroup.h"

namespace orbeta {

TopicGroup topicGroupOf(const QString& taskCode)
{
    return taskCode.startsWith(QLatin1Char('6')) ? TopicGroup::History : TopicGroup::Physics;
}

} // namespace orbeta

#include "app/profiles/BuiltInProfiles.h"

#include "kiln/arvex/StoredProfiles.h"

BuiltInProfiles& BuiltInProfiles::Instance() {
    static BuiltInProfiles* instance = new BuiltInProfiles();  // lives until the process ends
    return *instance;
}

BuiltInProfiles::BuiltInProfiles() {
    m_complete = kiln::ReadStoredProfileNames(m_names);
}

void BuiltInProfiles::ReadAgainIfIncomplete() {
    if (!m_complete) m_complete = kiln::ReadStoredProfileNames(m_names);
}

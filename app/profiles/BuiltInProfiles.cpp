#include "app/profiles/BuiltInProfiles.h"

#include "kiln/arvex/StoredProfiles.h"

BuiltInProfiles& BuiltInProfiles::Instance() {
    static BuiltInProfiles* instance = new BuiltInProfiles();  // lives until the process ends
    return *instance;
}

BuiltInProfiles::BuiltInProfiles() {
    kiln::ReadStoredProfileNames(m_names);
}

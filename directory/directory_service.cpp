#include "directory/directory_service.h"

#include "core/text_routines.h"

const std::vector<std::u16string>* DirectoryEntry::Values(const std::string& attributeName) const
{
    for (const Attribute& attribute : attributes) {
        if (EqualsIgnoringCase(attribute.name, attributeName))
            return &attribute.values;
    }
    return nullptr;
}

DirectoryCredentials::~DirectoryCredentials()
{
    // Through a volatile pointer, so the compiler keeps the writes.
    volatile char16_t* secret = password.empty() ? nullptr : &password[0];
    for (std::size_t i = 0; i < password.size(); ++i)
        secret[i] = u'\0';
}

#include "FormRegistry.h"

#include <algorithm>

namespace cindrel {

void FormRegistry::add(LoadedForm *form)
{
    if (form && !contains(form))
        entries_.push_back({form, false});
}

void FormRegistry::remove(LoadedForm *form)
{
    std::erase_if(entries_, [form](const Entry &e) { return e.form == form; });
}

bool FormRegistry::beginUnload(LoadedForm *form)
{
    for (Entry &e : entries_) {
        if (e.form == form) {
            if (e.unloading)
                return false;
            e.unloading = true;
            return true;
        }
    }
    return false;
}

bool FormRegistry::contains(const LoadedForm *form) const
{
    return std::any_of(entries_.begin(), entries_.end(), [form](const Entry &e) { return e.form == form; });
}

void FormRegistry::unload(LoadedForm *form)
{
    if (beginUnload(form))
        form->runUnload();
}

std::vector<LoadedForm *> FormRegistry::forms() const
{
    std::vector<LoadedForm *> result;
    result.reserve(entries_.size());
    for (const Entry &e : entries_)
        result.push_back(e.form);
    return result;
}

} // namespace cindrel

#pragma once
// The program's own loaded forms, shown or hidden. The toolkit's list of
// top-level widgets also holds menus, tooltips and other popups, so shutdown
// walks this registry instead.

#include <vector>

namespace cindrel {

/// A loaded form as shutdown sees it.
class LoadedForm {
public:
    virtual ~LoadedForm() = default;
    /// Runs the form's unload handling, then destroys the form (which takes
    /// it off the registry). Called at most once per form by the registry.
    virtual void runUnload() = 0;
};

class FormRegistry {
public:
    /// A form has been loaded.
    void add(LoadedForm *form);
    /// A form has been destroyed; safe to call for a form never added.
    void remove(LoadedForm *form);

    /// Marks the unload of form as under way. Returns false when it already
    /// is (or the form is not loaded), so that no unload handling runs twice.
    bool beginUnload(LoadedForm *form);
    bool contains(const LoadedForm *form) const;

    /// Unloads form unless its unload is already under way.
    void unload(LoadedForm *form);

    /// The loaded forms, in loading order.
    std::vector<LoadedForm *> forms() const;

private:
    struct Entry {
        LoadedForm *form;
        bool unloading;
    };
    std::vector<Entry> entries_;
};

} // namespace cindrel

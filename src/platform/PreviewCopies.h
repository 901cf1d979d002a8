#pragma once
// Private copies of the font files being previewed, in a folder of this process's own under
// the user's local application data. The system is given the copy, never the user's file:
// the user's file is closed once copied, so it can be changed, moved or deleted meanwhile,
// and the bytes that were checked are the bytes the system reads.
#include "platform/Handles.h"

#include <string>
#include <string_view>

namespace platform {

class PreviewCopies {
public:
    // The copies go in a new folder under `parent`, made at the first copy. With no parent,
    // under usualParent(), asked of the system only then: not before every start's splash.
    explicit PreviewCopies(std::wstring parent = {}) : parent_(std::move(parent)) {}
    ~PreviewCopies() { removeAll(); }
    PreviewCopies(const PreviewCopies&) = delete;
    PreviewCopies& operator=(const PreviewCopies&) = delete;

    // Where every Glyphmere keeps its copies: <local application data>\Glyphmere\Preview;
    // empty when the system does not say where that is.
    static std::wstring usualParent();

    // The path of a new file holding the bytes, with the extension (".ttf", ...); empty when
    // no copy could be made.
    std::wstring copy(const std::string& bytes, std::wstring_view extension);
    void remove(const std::wstring& copy);
    // Every copy goes; the folder stays for the next.
    void removeCopies();
    // Every copy goes, and the folder with them.
    void removeAll();

    // Deletes the folders under `parent` that no running process holds: those a crash left.
    static void sweep(const std::wstring& parent);

private:
    bool makeFolder();

    std::wstring parent_;
    std::wstring folder_; // empty until the first copy
    // Held open, not shared, while the folder is in use: a sweep cannot delete it then.
    KernelHandle inUse_;
    unsigned long copies_ = 0;
};

} // namespace platform

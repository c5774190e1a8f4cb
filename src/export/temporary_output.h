// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace Export {

// A file written beside its target under a name of its own and renamed over the target only when
// whole. Until Commit, the target is untouched; destroyed uncommitted, the file is removed.
class Temporary_Output
{
public:
    Temporary_Output() = default;
    Temporary_Output(const Temporary_Output &) = delete;
    Temporary_Output &operator=(const Temporary_Output &) = delete;
    ~Temporary_Output();

    // Creates the empty temporary file in the target's folder, with the permissions the target
    // has, or a new file's. False, with Error(), when the folder refuses it.
    bool Create(const QString &target);
    QString Path() const { return path_; }
    // Puts the written file in place of the target.
    bool Commit();
    QString Error() const { return error_; }

private:
    void Remove();

    QString target_, path_, error_;
};

} // namespace Export

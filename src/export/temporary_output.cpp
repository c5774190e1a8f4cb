// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/temporary_output.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Export {

namespace {

QString System_Error(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace

Temporary_Output::~Temporary_Output()
{
    Remove();
}

void Temporary_Output::Remove()
{
    if (!path_.isEmpty())
        ::unlink(QFile::encodeName(path_).constData());
    path_.clear();
}

bool Temporary_Output::Create(const QString &target)
{
    Remove();
    const QFileInfo info(target);
    target_ = info.absoluteFilePath();
    if (info.isDir()) {
        error_ = QStringLiteral("Could not write %1: it is a folder").arg(target);
        return false;
    }
    const bool replaces = info.exists();
    // A hidden name of its own in the same folder, so that the rename stays on one file system.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString tag = QString::number(QRandomGenerator::global()->generate(), 16);
        const QString candidate =
            QDir(info.absolutePath())
                .filePath(QStringLiteral(".%1.%2.part").arg(info.fileName(), tag));
        // 0666 less the umask, as any new file gets.
        const int fd = ::open(QFile::encodeName(candidate).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            error_ = QStringLiteral("Could not write in the folder %1: %2")
                         .arg(QDir::toNativeSeparators(info.absolutePath()), System_Error(errno));
            return false;
        }
        ::close(fd);
        if (replaces)
            QFile::setPermissions(candidate, info.permissions());
        path_ = candidate;
        return true;
    }
    error_ = QStringLiteral("Could not write in the folder %1")
                 .arg(QDir::toNativeSeparators(info.absolutePath()));
    return false;
}

bool Temporary_Output::Commit()
{
    if (path_.isEmpty())
        return false;
    if (std::rename(QFile::encodeName(path_).constData(), QFile::encodeName(target_).constData()) !=
        0) {
        error_ = QStringLiteral("Could not write %1: %2")
                     .arg(QDir::toNativeSeparators(target_), System_Error(errno));
        Remove();
        return false;
    }
    path_.clear();
    return true;
}

} // namespace Export

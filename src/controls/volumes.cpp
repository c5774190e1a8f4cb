// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/volumes.h"

#include <QDir>
#include <QFile>

#include <map>
#include <mutex>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace Volumes {

namespace {

const QString Root = QStringLiteral("/");

// A field of the mount table, its blanks and backslashes written as octal escapes ("\040").
QString Mount_Field(const QByteArray &field)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QByteArray code = field.mid(i + 1, 3);
        bool octal = field[i] == '\\' && code.size() == 3;
        for (const char c : code)
            octal = octal && c >= '0' && c <= '7';
        if (octal) {
            bytes += static_cast<char>(code.toInt(nullptr, 8));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QFile::decodeName(bytes);
}

bool Lies_Under(const QString &path, const char *folder)
{
    const QLatin1String top(folder);
    return path == top || path.startsWith(top + QLatin1Char('/'));
}

bool Ready(const std::shared_future<bool> &answer)
{
    return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

// The probe threads that have not answered yet, by folder. Only the threads that wait touch it;
// the probe threads never do.
struct Running_Probes
{
    std::mutex lock;
    std::map<QString, std::shared_future<bool>> answers;
};

Running_Probes &Running()
{
    static Running_Probes running;
    return running;
}

// The answer of a probe of the folder: of one still running, else of one started now.
std::shared_future<bool> Probe_Thread(const QString &folder, const Drive_Probe &probe)
{
    Running_Probes &running = Running();
    const std::lock_guard<std::mutex> hold(running.lock);
    std::erase_if(running.answers, [](const auto &entry) { return Ready(entry.second); });
    if (const auto found = running.answers.find(folder); found != running.answers.end())
        return found->second;
    std::promise<bool> promise;
    const std::shared_future<bool> answer = promise.get_future().share();
    std::thread([promise = std::move(promise), folder, probe]() mutable {
        bool answers = false;
        try {
            answers = probe(folder);
        } catch (...) {
        }
        promise.set_value(answers);
    }).detach();
    running.answers.emplace(folder, answer);
    return answer;
}

} // namespace

QStringList Mounted_Roots(const QByteArray &mount_table)
{
    QStringList roots{Root};
    for (const QByteArray &line : mount_table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        const QByteArray &device = fields[0], &type = fields[2];
        const QString root = QDir::cleanPath(Mount_Field(fields[1]));
        if (!root.startsWith(Root) || root.contains(QChar::ReplacementCharacter))
            continue;
        if (Lies_Under(root, "/dev") || Lies_Under(root, "/proc") || Lies_Under(root, "/sys") ||
            Lies_Under(root, "/var/run") || Lies_Under(root, "/var/lock"))
            continue;
        if (type == "rootfs" || type == "rpc_pipefs" ||
            (type != "tmpfs" && !device.startsWith('/')))
            continue;
        roots << root;
    }
    roots.removeDuplicates();
    roots.sort();
    return roots;
}

QString Drive_Of(const QString &path, const QStringList &drives)
{
    QString best;
    for (const QString &root : drives) {
        const bool holds = root == Root || path == root || path.startsWith(root + QLatin1Char('/'));
        if (holds && path.startsWith(QLatin1Char('/')) && root.size() > best.size())
            best = root;
    }
    return best;
}

QString Directory_On_Drive(const QString &drive, const QString &shown, const QStringList &drives)
{
    return Drive_Of(shown, drives) == drive ? shown : drive;
}

bool Folder_Answers(const QString &folder)
{
    // System calls on the probe's own bytes: this runs on a probe thread, which may outlive the
    // program's Qt objects.
    const QByteArray path = QFile::encodeName(folder);
    struct stat info = {};
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(path.constData(), R_OK | X_OK) == 0;
}

Probe_Wait::Probe_Wait(QObject *parent) : QObject(parent)
{
    poll_.setInterval(10);
    connect(&poll_, &QTimer::timeout, this, &Probe_Wait::Poll);
}

void Probe_Wait::Set_Probe(Drive_Probe probe, std::chrono::milliseconds limit)
{
    probe_ = std::move(probe);
    limit_ = limit;
}

bool Probe_Wait::Start(const QString &folder)
{
    if (Waiting())
        return false;
    folder_ = folder;
    deadline_ = QDeadlineTimer(limit_);
    try {
        answer_ = Probe_Thread(folder, probe_);
        answer_.wait_for(std::min(At_Once, limit_));
    } catch (...) {
        answer_ = {}; // no thread to be had: the folder does not answer
    }
    poll_.start();
    Poll();
    return true;
}

void Probe_Wait::Poll()
{
    const bool ready = !answer_.valid() || Ready(answer_);
    if (!ready && !deadline_.hasExpired())
        return;
    poll_.stop();
    const bool answers = answer_.valid() && ready && answer_.get();
    answer_ = {};
    const QString folder = std::exchange(folder_, QString());
    // Last: a receiver may delete this waiter.
    emit Answered(folder, answers);
}

} // namespace Volumes

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <functional>
#include <future>

// The volumes the file chooser offers as drives, and the probe that asks whether a drive answers.
// Nothing here touches a volume but the probe, and the probe never holds the thread that asks.

namespace Volumes {

// The volume roots of a mount table (as /proc/self/mounts gives it), read without touching any
// volume: the root, then the real volumes. Pseudo file systems (a device that is no path, except
// tmpfs) and mounts under /dev, /proc, /sys, /var/run and /var/lock are left out.
QStringList Mounted_Roots(const QByteArray &mount_table);

// The drive (volume root) a path lies on: the longest listed root that holds it; empty when none.
QString Drive_Of(const QString &path, const QStringList &drives);

// The folder a drive stands for: the one shown when it lies on that drive, else the drive's root.
QString Directory_On_Drive(const QString &drive, const QString &shown, const QStringList &drives);

// Whether a folder can be listed. On a dead network mount it may not return for minutes.
using Drive_Probe = std::function<bool(const QString &folder)>;
bool Folder_Answers(const QString &folder);

// Waits for a probe of a folder while the event loop goes on. The probe runs on a thread of its
// own, which holds only its copies of the folder and the probe and the answer it shares with the
// waiter: no Qt object. A probe that never returns (a call blocked on a dead mount cannot be
// interrupted) is left behind on its thread; it holds neither the window nor the end of the
// program, and a later probe of the same folder waits for it rather than leave another thread.
class Probe_Wait : public QObject
{
    Q_OBJECT

public:
    // Past this, a probe is waited for with the event loop running; a folder that answers sooner
    // is answered before Start returns, as any setting's event is raised at once.
    static constexpr std::chrono::milliseconds At_Once{50};

    explicit Probe_Wait(QObject *parent = nullptr);

    void Set_Probe(Drive_Probe probe, std::chrono::milliseconds limit);
    // Probes a folder: Answered follows once, true when the probe said yes within the time limit.
    // One probe at a time: false, and nothing done, while one is waited for.
    bool Start(const QString &folder);
    bool Waiting() const { return poll_.isActive(); }

signals:
    void Answered(const QString &folder, bool answers);

private:
    void Poll();

    Drive_Probe probe_ = Folder_Answers;
    std::chrono::milliseconds limit_{3000};
    QString folder_;
    std::shared_future<bool> answer_;
    QDeadlineTimer deadline_;
    QTimer poll_;
};

} // namespace Volumes

#pragma once
// One running copy per user: the first copy listens on a local socket that
// only its user can reach; a later copy hands its command line over, waits
// for the first copy's answer and ends.

#include "platform/ipc/HandOver.h"
#include "services/InstanceChannel.h"

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace ombrix::platform {

// The socket's name, named after the user, in a folder only the user owns:
// the runtime folder when it is private, else a private folder made under the
// temporary folder. Empty when no such folder can be had (something not the
// user's own, or a symbolic link, holds the name): then there is no single
// instance.
QString InstanceSocketName();

class LocalInstanceChannel : public QObject, public InstanceChannel {
    Q_OBJECT
public:
    explicit LocalInstanceChannel(QString socketName = InstanceSocketName(),
                                  int answerTimeoutMs = 10000);
    bool HandOverToRunningCopy(const std::string& commandLine,
                               CommandLineReceiver receive) override;
    bool Listening() const { return server_.isListening(); }
    // True while a handed-over command line runs (a message box it opened
    // may still be open).
    bool Receiving() const { return receiving_ > 0; }
    // Why a copy that must end could not hand its command line over (the
    // running copy does not answer, the command line is too long); empty
    // after a hand-over that was delivered.
    const std::optional<std::string>& Failure() const { return failure_; }
    // Why this copy runs on its own, without single instance; empty otherwise.
    const std::optional<std::string>& RunsAlone() const { return alone_; }

private:
    enum class Sent { Delivered, Failed, NobodyListens, Untrusted };
    void Accept();
    Sent SendTo(const std::string& commandLine);
    // Notes and says why this copy goes on without single instance; false.
    bool RunAlone(const char* why);

    CommandLineReceiver receive_;
    QString name_;
    int answerTimeoutMs_;
    QLocalServer server_;
    std::optional<std::string> failure_;
    std::optional<std::string> alone_;
    int receiving_ = 0;
};

} // namespace ombrix::platform

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
#include <string>

namespace ombrix::platform {

// The socket's name: in the user's runtime folder when there is one, else in
// the temporary folder, named after the user either way.
QString InstanceSocketName();

class LocalInstanceChannel : public QObject, public InstanceChannel {
    Q_OBJECT
public:
    explicit LocalInstanceChannel(QString socketName = InstanceSocketName(),
                                  int answerTimeoutMs = 10000);
    bool HandOverToRunningCopy(const std::string& commandLine,
                               CommandLineReceiver receive) override;
    bool Listening() const { return server_.isListening(); }

private:
    void Accept();
    bool SendTo(const std::string& commandLine);

    CommandLineReceiver receive_;
    QString name_;
    int answerTimeoutMs_;
    QLocalServer server_;
};

} // namespace ombrix::platform

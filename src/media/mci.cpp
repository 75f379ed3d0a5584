#include "mci.h"

#include "mci_command.h"
#include "media_seam_state.h"
#include "sequencer_device.h"
#include "toolkit/audio_device.h"
#include "toolkit/silence_warning.h"
#include "toolkit/paths.h"
#include "toolkit/seam_state.h"
#include "wave_device.h"

#include <QString>
#include <cstring>
#include <map>

namespace {

using DeviceTable = std::map<QString, std::unique_ptr<MciDevice>>;

// Aliases are known in any case. The table outlives the run's static
// objects: what it holds goes with the mixer, not before it.
DeviceTable &devices()
{
    static auto *table = new DeviceTable;
    return *table;
}

const bool resetRegistered = [] {
    seam::resetHooks().push_back([] {
        devices().clear();
        mediaseam::state() = mediaseam::State{};
    });
    return true;
}();

bool is(const QString &word, const char *keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

int openDevice(const MciCommand &command, std::unique_ptr<MciDevice> &device)
{
    const bool sequencer = is(command.type, "sequencer");
    if (!sequencer && !is(command.type, "waveaudio"))
        return MciUnsupportedType;
    if (!audioDeviceOpen())
        return MciNoSoundDevice;
    const QString file = mapPath(command.device);
    const int error = sequencer ? openSequencer(file, device) : openWave(file, device);
    if (error == MciCannotOpenFile)
        warnCannotLoad(command.device, file);
    return error;
}

int open(const MciCommand &command)
{
    const QString key = command.alias.toLower();
    if (devices().contains(key))
        return MciAliasInUse;
    std::unique_ptr<MciDevice> device;
    const int error = openDevice(command, device);
    // A failed open still takes the alias, so that its mode can be asked.
    if (error != MciOk)
        device = std::make_unique<NotReadyDevice>();
    devices()[key] = std::move(device);
    return error;
}

int status(MciDevice &device, const QString &item, QString &answer)
{
    if (item == "mode") {
        answer = device.mode();
        return MciOk;
    }
    if (!device.ready())
        return MciNotReady;
    const double ms = item == "length" ? device.lengthMs() : device.positionMs();
    answer = QString::number(qRound64(ms));
    return MciOk;
}

int seek(MciDevice &device, const MciCommand &command)
{
    switch (*command.seekTarget) {
    case MciCommand::SeekTarget::Start:
        return device.seek(0);
    case MciCommand::SeekTarget::End:
        return device.seek(device.lengthMs());
    case MciCommand::SeekTarget::Position:
        break;
    }
    return device.seek(command.seekTo);
}

int execute(const QString &text, QString &answer)
{
    const auto command = parseMciCommand(text);
    if (!command)
        return MciBadCommand;
    if (command->verb == MciCommand::Verb::Open)
        return open(*command);
    if (command->verb == MciCommand::Verb::Close && is(command->device, "all")) {
        devices().clear();
        return MciOk;
    }
    const auto found = devices().find(command->device.toLower());
    if (found == devices().end())
        return MciUnknownDevice;
    MciDevice &device = *found->second;
    switch (command->verb) {
    case MciCommand::Verb::Play:
        return device.play(command->wait);
    case MciCommand::Verb::Pause:
        return device.pause();
    case MciCommand::Verb::Stop:
        return device.stop();
    case MciCommand::Verb::Seek:
        return seek(device, *command);
    case MciCommand::Verb::Status:
        return status(device, command->item, answer);
    case MciCommand::Verb::Close:
        devices().erase(found);
        return MciOk;
    case MciCommand::Verb::Open:
        break;
    }
    return MciBadCommand;
}

// An answer that does not fit, NUL and all, is an error and leaves the
// reply empty.
int writeReply(const QByteArray &bytes, char *reply, int length)
{
    if (bytes.isEmpty())
        return MciOk;
    if (!reply || length <= 0 || bytes.size() >= length)
        return MciReplyTooLong;
    std::memcpy(reply, bytes.constData(), static_cast<size_t>(bytes.size()));
    reply[bytes.size()] = '\0';
    return MciOk;
}

} // namespace

int mciSendString(const char *command, char *reply, int length, std::intptr_t callback)
{
    Q_UNUSED(callback);
    const QString text = QString::fromLocal8Bit(command ? command : "");
    // A reused buffer must not show an earlier answer after this command.
    if (reply && length > 0)
        reply[0] = '\0';
    auto &seams = mediaseam::state();
    // Only tests read the log; a long run with music on must not grow it.
    if (seam::state().testMode)
        seams.commands.append(text);
    if (reply && length > 0 && !seams.replies.empty()) {
        const QByteArray scripted = seams.replies.front();
        seams.replies.pop_front();
        return writeReply(scripted, reply, length);
    }
    QString answer;
    const int error = execute(text, answer);
    if (error != MciOk)
        return error;
    return writeReply(answer.toLocal8Bit(), reply, length);
}

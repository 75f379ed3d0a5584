#include "mci_command.h"

#include <QStringList>
#include <cmath>

namespace {

std::optional<QStringList> tokens(const QString &text)
{
    QStringList words;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i].isSpace()) {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const qsizetype close = text.indexOf('"', i + 1);
            if (close < 0)
                return std::nullopt;
            words.append(text.mid(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        qsizetype end = i;
        while (end < n && !text[end].isSpace())
            ++end;
        words.append(text.mid(i, end - i));
        i = end;
    }
    return words;
}

std::optional<MciCommand::Verb> verbFor(const QString &word)
{
    static const std::pair<const char *, MciCommand::Verb> verbs[] = {
        {"open", MciCommand::Verb::Open},   {"play", MciCommand::Verb::Play},   {"pause", MciCommand::Verb::Pause},
        {"stop", MciCommand::Verb::Stop},   {"seek", MciCommand::Verb::Seek},   {"close", MciCommand::Verb::Close},
        {"status", MciCommand::Verb::Status}};
    for (const auto &[name, verb] : verbs)
        if (word.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return verb;
    return std::nullopt;
}

bool is(const QString &word, const char *keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// The keywords after the device name; false for one the verb does not take.
bool readFlags(const QStringList &words, MciCommand &command)
{
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString &word = words[i];
        const bool hasValue = i + 1 < words.size();
        if (is(word, "wait")) {
            command.wait = true;
        } else if (command.verb == MciCommand::Verb::Open && is(word, "alias") && hasValue) {
            command.alias = words[++i];
        } else if (command.verb == MciCommand::Verb::Open && is(word, "type") && hasValue) {
            command.type = words[++i];
        } else if (command.verb == MciCommand::Verb::Seek && is(word, "to") && hasValue) {
            const QString &target = words[++i];
            if (is(target, "start")) {
                command.seekTarget = MciCommand::SeekTarget::Start;
            } else if (is(target, "end")) {
                command.seekTarget = MciCommand::SeekTarget::End;
            } else {
                bool number = false;
                command.seekTo = target.toDouble(&number);
                // The reader takes "nan" and "inf", which are no position.
                if (!number || !std::isfinite(command.seekTo))
                    return false;
                command.seekTarget = MciCommand::SeekTarget::Position;
            }
        } else if (command.verb == MciCommand::Verb::Status && command.item.isEmpty()
                   && (is(word, "length") || is(word, "position") || is(word, "mode"))) {
            command.item = word.toLower();
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<MciCommand> parseMciCommand(const QString &text)
{
    const auto words = tokens(text);
    if (!words || words->size() < 2)
        return std::nullopt;
    const auto verb = verbFor(words->at(0));
    if (!verb)
        return std::nullopt;
    MciCommand command;
    command.verb = *verb;
    command.device = words->at(1);
    if (!readFlags(*words, command))
        return std::nullopt;
    if (command.verb == MciCommand::Verb::Status && command.item.isEmpty())
        return std::nullopt;
    if (command.verb == MciCommand::Verb::Seek && !command.seekTarget)
        return std::nullopt;
    if (command.verb == MciCommand::Verb::Open && command.alias.isEmpty())
        command.alias = command.device;
    return command;
}

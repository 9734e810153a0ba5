#include "link/clonesession.h"

#include "image/imagecodec.h"
#include "link/linktexts.h"
#include "link/portchooser.h"
#include "link/portdiagnostics.h"
#include "link/serialport.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "model/bands.h"
#include "model/hexhelpers.h"
#include "model/messageport.h"

#include <QTimer>

namespace {

const QLatin1String kAckText("06");
const QLatin1String kIdentityK7403("4B37343033");
const QLatin1String kIdentityK7402("4B37343032");
constexpr int kIdentificationLength = 16; // hex digits: 8 bytes
constexpr int kReadDataLength = 136;      // hex digits: 68 bytes
constexpr int kReadDataStart = 8;         // hex digits before the 64 data bytes

QByteArray programRequest() {
    return QByteArrayLiteral("PROGRAM");
}

QByteArray addressFrame(char command, int address, quint8 length) {
    QByteArray frame;
    frame.append(command);
    frame.append(static_cast<char>((address >> 8) & 0xFF));
    frame.append(static_cast<char>(address & 0xFF));
    frame.append(static_cast<char>(length));
    return frame;
}

QTimer *makeTimer(QObject *parent, const char *name, int interval) {
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    return timer;
}

} // namespace

CloneSession::CloneSession(EditorState &state, SerialPort &port, PortChooser &chooser,
                           MessagePort &messages, QObject *parent)
    : QObject(parent), m_state(state), m_port(port), m_chooser(chooser), m_messages(messages),
      m_timer1(makeTimer(this, "Timer1", kWatchdogInterval)),
      m_timer2(makeTimer(this, "Timer2", kBlinkInterval)),
      m_timer3(makeTimer(this, "Timer3", kRetryInterval)), m_settle(new QTimer(this)) {
    m_settle->setSingleShot(true);
    connect(m_settle, &QTimer::timeout, this, &CloneSession::settleTick);
    connect(m_timer1, &QTimer::timeout, this, &CloneSession::watchdogTick);
    connect(m_timer2, &QTimer::timeout, this, &CloneSession::blinkTick);
    connect(m_timer3, &QTimer::timeout, this, &CloneSession::retryTick);
    connect(&m_port, &SerialPort::bytesArrived, this, &CloneSession::receive);
    connect(&m_port, &SerialPort::deviceLost, this, &CloneSession::onDeviceLost);
}

CloneSession::~CloneSession() = default;

bool CloneSession::startRead() {
    return start(QLatin1Char('R'), Target::Editor);
}

bool CloneSession::startWrite() {
    return start(QLatin1Char('W'), Target::Editor);
}

bool CloneSession::startImageRead() {
    return start(QLatin1Char('R'), Target::ImageOnly);
}

bool CloneSession::startImageWrite(const QString &image, int bandPosition) {
    if (!m_commandsEnabled)
        return false;
    m_givenImage = image;
    m_givenBand = bandPosition;
    return start(QLatin1Char('W'), Target::ImageOnly);
}

void CloneSession::endBlink() {
    if (m_running || !m_sessionEnded)
        return;
    m_blinkCount = 0;
    m_sessionEnded = false;
    setStatusVisible(false);
    m_timer2->stop();
    setCommandsEnabled(true);
}

void CloneSession::showStatus(const QString &text) {
    setStatusText(text);
}

bool CloneSession::start(QChar kind, Target target) {
    if (!m_commandsEnabled)
        return false;
    if (SerialTrace *trace = m_port.trace())
        trace->beginSession(kind == QLatin1Char('R') ? TraceSessionKind::Read
                                                     : TraceSessionKind::Write,
                            m_chooser.chosenDevice());
    const bool wasOpen = m_port.isOpen();
    m_chooser.OpenCom();
    if (!m_port.isOpen()) {
        // The program's message, then what the system says about the device.
        m_messages.show(messageWithReason(linkText(LinkText::PortNotOpen, m_state.language),
                                          m_chooser.openFailureReason(m_state.language)),
                        MsgStyle::IconInformation, QString());
        return false;
    }
    setCommandsEnabled(false);
    m_target = target;
    m_identifiedBand = -1;
    m_identifiedModel.clear();
    m_receiveText.clear();
    m_kind = kind;
    m_phase = kPhaseHandshake;
    m_running = true;
    m_handshakeAcknowledged = false;
    m_resyncing = false;
    m_resyncs = 0;
    ++m_serial;
    emit modelFrameActivated();
    setStatusText(linkText(LinkText::Communicating, m_state.language));
    m_timer2->start();
    // A port just opened that brings bytes at once holds what a radio still
    // sends of an exchange cut short: the first request waits until the
    // line is quiet, without holding up the program (other cables go on
    // meanwhile). A silent line starts at once; a stray byte that comes
    // later is a misfit answer, which resynchronises.
    const int quiet = m_port.quietLineMs();
    if (!wasOpen && quiet > 0) {
        m_leftOver = m_port.discardWaiting();
        if (!m_leftOver.isEmpty()) {
            m_phase = kPhaseSettling;
            m_settleClock.start();
            m_settle->start(quiet);
            return true;
        }
    }
    beginHandshake();
    return true;
}

void CloneSession::beginHandshake() {
    m_phase = kPhaseHandshake;
    m_receiveText.clear();
    send(programRequest());
    m_timer1->start();
    m_timer3->start();
}

void CloneSession::settleTick() {
    if (!m_running || m_phase != kPhaseSettling)
        return;
    m_leftOver += m_port.discardWaiting();
    if (SerialTrace *trace = m_port.trace())
        trace->discarded(m_leftOver);
    m_leftOver.clear();
    beginHandshake();
}

void CloneSession::receive() {
    if (m_running && m_phase == kPhaseSettling) {
        const QByteArray left = m_port.discardWaiting();
        m_leftOver += left;
        // Bytes still coming: wait for quiet again, up to the limit.
        const qint64 limit = SystemSerialPort::kLeftOverLimitMs;
        if (!left.isEmpty() && m_settleClock.elapsed() + m_port.quietLineMs() < limit)
            m_settle->start(m_port.quietLineMs());
        return;
    }
    const QByteArray bytes = m_port.readAll();
    if (bytes.isEmpty())
        return;
    m_receiveText += QString::fromLatin1(bytes.toHex().toUpper());
    // Input outside a session (a stray byte on a port opened from the menu)
    // must not replay the end of the last session.
    if (!m_running)
        return;
    if (m_phase == kPhaseHandshake)
        handshake();
    else if (m_phase == kPhaseTransfer && m_kind == QLatin1Char('W'))
        transferWrite();
    else if (m_phase == kPhaseTransfer && m_kind == QLatin1Char('R'))
        transferRead();
}

void CloneSession::handshake() {
    if (m_resyncing) {
        m_receiveText.clear();
        return;
    }
    if (m_receiveText.contains(kAckText)) {
        // Only the first acknowledgement holds off the watchdog: a radio
        // whose identification happens to contain 06 would otherwise keep
        // the handshake going (02, identification, 02, ...) for ever.
        if (!m_handshakeAcknowledged) {
            m_watchdogCount = 0;
            m_handshakeAcknowledged = true;
        }
        m_timer3->stop();
        send(QByteArray(1, char(kModeByte)));
        return;
    }
    if (m_receiveText.size() == kIdentificationLength &&
        (m_receiveText.contains(kIdentityK7403) || m_receiveText.contains(kIdentityK7402))) {
        acceptIdentification();
        return;
    }
    // After the mode byte the radio owes its identification: more bytes
    // than that, without an acknowledgement, are no answer to it.
    if (m_handshakeAcknowledged && m_receiveText.size() > kIdentificationLength)
        resynchronise();
}

void CloneSession::resynchronise() {
    if (m_resyncs >= kResyncLimit)
        return;
    ++m_resyncs;
    m_receiveText.clear();
    m_resyncing = true;
    m_phase = kPhaseHandshake;
    // The acknowledgement of the request sent again holds the watchdog off.
    m_handshakeAcknowledged = false;
    setProgressVisible(false);
    traceMark(TraceEventKind::Misfit);
    m_timer3->start();
}

bool CloneSession::identificationAnswerMisfits() const {
    // The radio answers the acknowledgement of its identification with 06
    // alone; nothing has been asked of it since.
    return m_blockAddress == kFirstAddress && !m_receiveText.isEmpty() && m_receiveText != kAckText;
}

void CloneSession::acceptIdentification() {
    bool ok = false;
    const int code = m_receiveText.mid(10, 2).toInt(&ok, 16);
    const int position = ok ? bandPositionOfCode(code) : -1;
    if (position >= 0)
        m_radioBand = position;
    m_identifiedBand = position;
    m_identifiedModel = QString::fromLatin1(bytesFromImage(m_receiveText.left(10)));
    m_phase = kPhaseTransfer;
    m_blockAddress = kFirstAddress;
    const bool given = m_target == Target::ImageOnly && m_kind == QLatin1Char('W');
    m_writeImage = given ? m_givenImage : EncodeImage(m_state);
    m_writeBytes = bytesFromImage(m_writeImage);
    m_readImage.clear();
    setProgressValue(0);
    setProgressVisible(true);
    m_watchdogCount = 0;
    send(QByteArray(1, char(kAck)));
}

void CloneSession::transferWrite() {
    if (identificationAnswerMisfits()) {
        resynchronise();
        return;
    }
    if (m_receiveText != kAckText)
        return;
    if (m_progress < kProgressMaximum)
        setProgressValue(m_progress + kWriteProgressStep);
    m_watchdogCount = 0;
    // The band is checked once, before the first block: the blocks come from
    // the image made at the handshake, so a band chosen or opened later must
    // not cut a write off half way.
    const int band = m_target == Target::ImageOnly ? m_givenBand : m_state.bandPosition;
    if (m_blockAddress == kFirstAddress && m_radioBand != band) {
        m_radioBand = band;
        if (!m_state.bandOverrideMode) {
            endSession(linkText(LinkText::BandRefused, m_state.language),
                       SessionOutcome::BandRefused);
            return;
        }
        const QString question = linkText(LinkText::BandQuestion, m_state.language);
        const quint32 serial = m_serial;
        const int answer =
            m_messages.show(question, MsgStyle::YesNo | MsgStyle::IconInformation, QString());
        // The watchdog keeps running while the question is open; when it has
        // abandoned the session meanwhile, the answer changes nothing.
        if (serial != m_serial || !m_running || m_phase != kPhaseTransfer)
            return;
        if (answer != MsgResult::Yes) {
            endSession(question, SessionOutcome::Declined);
            return;
        }
    }
    if (m_blockAddress == kWriteEndAddress) {
        endSession(linkText(LinkText::WriteSuccess, m_state.language), SessionOutcome::Success);
        return;
    }
    if (m_blockAddress == 0x0180 && !m_state.debugWriteMode)
        m_blockAddress = 0x01B8;
    if (m_blockAddress == 0x0190)
        m_blockAddress = 0x01B8;
    if (m_blockAddress == 0x01C8)
        m_blockAddress = 0x0200;
    QByteArray frame = addressFrame('W', m_blockAddress, kWriteBlockSize);
    QByteArray data = m_writeBytes.mid(m_blockAddress - kFirstAddress, kWriteBlockSize);
    data.append(QByteArray(kWriteBlockSize - data.size(), '\xFF'));
    frame.append(data);
    send(frame);
    m_blockAddress += kWriteBlockSize;
}

bool CloneSession::isReadData() const {
    return m_receiveText.size() == kReadDataLength &&
           m_receiveText.startsWith(QLatin1String("57")) &&
           m_receiveText.mid(2, 4) == HexWord(m_blockAddress - kReadBlockSize);
}

void CloneSession::transferRead() {
    if (identificationAnswerMisfits()) {
        resynchronise();
        return;
    }
    if (m_receiveText == kAckText) {
        if (m_progress < kProgressMaximum)
            setProgressValue(m_progress + kReadProgressStep);
        m_watchdogCount = 0;
        if (m_blockAddress == kReadEndAddress) {
            finishRead();
        } else {
            send(addressFrame('R', m_blockAddress, kReadBlockSize));
            m_blockAddress += kReadBlockSize;
        }
        return;
    }
    if (isReadData()) {
        m_watchdogCount = 0;
        m_readImage += m_receiveText.mid(kReadDataStart, kReadDataLength - kReadDataStart);
        m_receiveText.clear();
        send(QByteArray(1, char(kAck)));
    }
}

void CloneSession::finishRead() {
    const bool decode = m_target == Target::Editor;
    if (decode)
        DecodeImage(m_state, m_readImage);
    setStatusText(linkText(LinkText::ReadSuccess, m_state.language));
    m_sessionEnded = true;
    m_running = false;
    if (decode) {
        // Accepted band first, so the band selector takes the radio's range
        // without asking.
        m_state.acceptedBand = m_radioBand;
        m_state.bandPosition = m_radioBand;
        emit imageDecoded();
    }
    m_timer1->stop();
    setProgressVisible(false);
    sendEndByte();
    m_port.close();
    traceMark(TraceEventKind::Ended, m_statusText);
    emit finished(SessionOutcome::Success);
}

void CloneSession::endSession(const QString &status, SessionOutcome outcome) {
    setStatusText(status);
    setProgressVisible(false);
    m_sessionEnded = true;
    m_running = false;
    m_timer1->stop();
    sendEndByte();
    m_port.close();
    traceMark(TraceEventKind::Ended, status);
    emit finished(outcome);
}

void CloneSession::shutDown() {
    m_timer1->stop();
    m_timer2->stop();
    m_timer3->stop();
    if (m_running) {
        m_running = false;
        m_phase = kPhaseAbandoned;
        ++m_serial;
        traceMark(TraceEventKind::Abandoned);
        sendEndByte();
    }
    m_port.close();
}

void CloneSession::watchdogTick() {
    ++m_watchdogCount;
    if (m_watchdogCount >= kWatchdogTicks) {
        // A lost device has its own mark from the port.
        traceMark(TraceEventKind::TimedOut);
        timeOut();
    }
}

void CloneSession::timeOut() {
    m_watchdogCount = 0;
    m_timer1->stop();
    if (m_resyncing) {
        // No request is repeated into an exchange given up.
        m_resyncing = false;
        m_timer3->stop();
    }
    setStatusVisible(false);
    m_timer2->stop();
    // The session is abandoned from here on, also while the message is
    // open: a late reply must not go on writing behind the error message.
    m_phase = kPhaseAbandoned;
    m_running = false;
    m_messages.show(linkText(LinkText::CommunicationError, m_state.language), MsgStyle::IconStop,
                    QString());
    setProgressVisible(false);
    m_receiveText.clear();
    sendEndByte();
    setCommandsEnabled(true);
    emit finished(SessionOutcome::TimedOut);
}

void CloneSession::onDeviceLost(const QString &reason) {
    if (!m_running)
        return;
    // Nothing left to repeat the program request into.
    m_timer3->stop();
    emit portLost(reason);
    timeOut();
}

void CloneSession::blinkTick() {
    setStatusVisible(!m_statusVisible);
    if (m_sessionEnded)
        ++m_blinkCount;
    if (m_blinkCount >= kBlinkTicks) {
        m_blinkCount = 0;
        m_sessionEnded = false;
        setStatusVisible(false);
        m_timer2->stop();
        setCommandsEnabled(true);
    }
}

void CloneSession::retryTick() {
    ++m_retryCount;
    if (m_retryCount >= kRetryTicks) {
        m_retryCount = 0;
        m_resyncing = false;
        traceMark(TraceEventKind::Repeated);
        send(programRequest());
        m_timer3->stop();
    }
}

void CloneSession::send(const QByteArray &frame) {
    m_receiveText.clear();
    for (const char byte : frame)
        m_port.writeByte(static_cast<quint8>(byte));
}

void CloneSession::traceMark(TraceEventKind kind, const QString &text) {
    if (SerialTrace *trace = m_port.trace())
        trace->mark(kind, text);
}

void CloneSession::sendEndByte() {
    m_port.writeByte(kEndByte);
}

void CloneSession::setStatusText(const QString &text) {
    if (m_statusText == text)
        return;
    m_statusText = text;
    emit statusTextChanged(text);
}

void CloneSession::setStatusVisible(bool visible) {
    if (m_statusVisible == visible)
        return;
    m_statusVisible = visible;
    emit statusVisibleChanged(visible);
}

void CloneSession::setProgressVisible(bool visible) {
    if (m_progressVisible == visible)
        return;
    m_progressVisible = visible;
    emit progressVisibleChanged(visible);
}

void CloneSession::setProgressValue(float value) {
    m_progress = value;
    emit progressValueChanged(qRound(value));
}

void CloneSession::setCommandsEnabled(bool enabled) {
    if (m_commandsEnabled == enabled)
        return;
    m_commandsEnabled = enabled;
    emit commandsEnabledChanged(enabled);
}

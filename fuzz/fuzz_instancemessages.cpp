// libFuzzer harness: the single-instance message reader on arbitrary bytes,
// fed in two pieces as a connection may deliver them. Whatever it takes out
// is whole; what it leaves is less than one message; it never keeps more
// than the message bound plus its header.
#include <oruRibbonSingletonApplication_p.h>

#include <QtEndian>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Priv = oru::RibbonSingletonApplication::Priv;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype cut = size ? qsizetype(data[0]) % (bytes.size() + 1) : 0;
    QByteArray pending = bytes.left(cut);
    QStringList texts;
    bool bounded = Priv::takeMessages(pending, texts);
    if (bounded) {
        pending += bytes.mid(cut);
        bounded = Priv::takeMessages(pending, texts);
    }
    // Read in one piece, the same bytes give the same messages.
    QByteArray whole = bytes;
    QStringList once;
    const bool wholeBounded = Priv::takeMessages(whole, once);
    if (wholeBounded != bounded || once != texts)
        std::abort();
    if (bounded && pending.size() >= 4) {
        const auto* header = reinterpret_cast<const uchar*>(pending.constData());
        if (qsizetype(qFromBigEndian<quint32>(header)) < pending.size() - 4)
            std::abort(); // a whole message was left behind
    }
    return 0;
}

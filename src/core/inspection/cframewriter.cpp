#include "core/inspection/cframewriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

#include "core/common/debuglog.h"
#include "core/common/pngcheck.h"

CFrameWriter::CFrameWriter()
    : m_thread(&CFrameWriter::Run, this)
{}

CFrameWriter::~CFrameWriter()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void CFrameWriter::Write(const QByteArray &blob, const QString &path)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_pending.size() < kMaxPending; });
    m_pending.emplace_back(blob, path);
    lock.unlock();
    m_changed.notify_all();
}

void CFrameWriter::Finish()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_pending.empty() && m_busy == 0; });
}

void CFrameWriter::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stop || !m_pending.empty(); });
        if (m_pending.empty())
            return; // stopping, nothing left
        std::pair<QByteArray, QString> frame = std::move(m_pending.front());
        m_pending.pop_front();
        ++m_busy;
        lock.unlock();
        m_changed.notify_all();
        WriteFrame(frame.first, frame.second);
        frame = {}; // release the blob outside the lock's reach
        lock.lock();
        --m_busy;
        m_changed.notify_all();
    }
}

void CFrameWriter::WriteFrame(const QByteArray &blob, const QString &path)
{
    // A sound PNG is written as it is. Any other blob is decoded and saved again: a decoder
    // accepts bytes after the end or a damaged optional chunk; what does not decode is no frame.
    QByteArray bytes = blob;
    if (!Png::IsValidPng(blob)) {
        QImage image;
        if (!image.loadFromData(blob, "PNG")) {
            TQ_LOG << "QImage Load Fail";
            return;
        }
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    // A temporary name first, so an interrupted write never leaves a partial image that
    // later readings would take as extracted. No sync to disk: the frames can always be
    // extracted again from the file.
    const QString partial = path + QStringLiteral(".part");
    QFile file(partial);
    const bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size();
    file.close();
    if (!written || !QFile::rename(partial, path)) {
        QFile::remove(partial);
        TQ_LOG << "save image failed:" << path;
    }
}

#pragma once

#include <QString>

#include "io/fileoutcome.h"
#include <QTemporaryFile>

#include <memory>
#include <optional>
#include <ostream>
#include <streambuf>
#include <vector>

// The batch's output file, replaced all or nothing: the lines go into a temporary file
// beside it, which is renamed over it only when the batch has ended and every byte is
// on the disk. Where the file system has them the temporary file has no name until then,
// so that not even a kill -9 leaves it behind; elsewhere a failure, or a signal that ends
// the program (removeFileOnFatalSignal), removes it. Either way the old output stays as it was.
namespace geardim {

class BatchOutputFile {
public:
    explicit BatchOutputFile(QString path);
    ~BatchOutputFile();
    BatchOutputFile(const BatchOutputFile &) = delete;
    BatchOutputFile &operator=(const BatchOutputFile &) = delete;

    // Creates the temporary file.
    FileDone open();
    // Where the lines go; it fails (badbit) as soon as a write fails.
    std::ostream &stream() { return stream_; }
    // Puts the output in place: refused with the system's reason for the first write
    // that failed, or for the last steps.
    FileDone commit();

private:
    // Writes through to the temporary file in blocks, keeping the first failure's reason.
    class DeviceBuffer : public std::streambuf {
    public:
        explicit DeviceBuffer(QIODevice *device);
        void setDevice(QIODevice *device) { device_ = device; }
        QString problem;

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        bool drain();
        QIODevice *device_;
        std::vector<char> block_;
    };

    // Opened unbuffered: the stream's blocks go straight to the disk, so a failed
    // write comes back from that write with the system's reason.
    class UnbufferedTemporaryFile : public QTemporaryFile {
    public:
        bool openUnbuffered() { return QTemporaryFile::open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
    };

    // Where the lines go: the unnamed file (unnamed_) or the named one (temporary_).
    QFileDevice &device() { return unnamed_.isOpen() ? static_cast<QFileDevice &>(unnamed_) : *temporary_; }
    FileDone commitUnnamed();

    QString path_;
    // Ended, not only closed, before the rename: on Windows a QTemporaryFile keeps its file
    // open past close(), and an open file cannot be renamed there.
    std::optional<UnbufferedTemporaryFile> temporary_{std::in_place};
    QFile unnamed_; // open while the lines go into an unnamed file
    DeviceBuffer buffer_;
    std::ostream stream_;
    bool committed_ = false;
};

} // namespace geardim

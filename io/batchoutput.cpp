#include "io/batchoutput.h"

#include <QFileInfo>

#include <cstdio>

#include "io/platform/files.h"
#include "io/safefile.h"

namespace geardim {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

} // namespace

BatchOutputFile::DeviceBuffer::DeviceBuffer(QIODevice *device)
    : device_(device), block_(kBlock)
{
    setp(block_.data(), block_.data() + block_.size());
}

bool BatchOutputFile::DeviceBuffer::drain()
{
    const qint64 size = pptr() - pbase();
    if (size > 0 && problem.isEmpty() && !writeAllOf(*device_, pbase(), size))
        problem = device_->errorString();
    setp(block_.data(), block_.data() + block_.size());
    return problem.isEmpty();
}

BatchOutputFile::DeviceBuffer::int_type BatchOutputFile::DeviceBuffer::overflow(int_type c)
{
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int BatchOutputFile::DeviceBuffer::sync() { return drain() ? 0 : -1; }

BatchOutputFile::BatchOutputFile(QString path)
    : path_(std::move(path)), buffer_(&*temporary_), stream_(&buffer_)
{
}

BatchOutputFile::~BatchOutputFile()
{
    // An uncommitted temporary file goes with temporary_ (it removes itself).
    if (!committed_) {
        forgetFileOnFatalSignal();
    }
}

FileDone BatchOutputFile::open()
{
    if (FileDone target = checkOutputTarget(path_); !target.ok())
        return target;
    // Through a link the file it names is replaced, not the link.
    if (const QFileInfo link(path_); link.isSymLink() && link.exists())
        path_ = link.canonicalFilePath();
    const QFileInfo target(path_);
    // A file without a name in the output's folder where the system has one: nothing to
    // remove if the program dies.
    if (QString why; openUnnamedFile(unnamed_, target.absolutePath(), why)) {
        buffer_.setDevice(&unnamed_);
        return {};
    } else if (!why.isEmpty()) {
        return FileDone::refused(why);
    }
    temporary_->setFileTemplate(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!temporary_->openUnbuffered())
        return FileDone::refused(temporary_->errorString());
    const QByteArray name = QFile::encodeName(temporary_->fileName());
    removeFileOnFatalSignal(name);
    return {};
}

FileDone BatchOutputFile::commit()
{
    stream_.flush();
    if (!buffer_.problem.isEmpty())
        return FileDone::refused(buffer_.problem);
    if (!device().flush())
        return FileDone::refused(device().errorString());
    if (QString why; !syncToDisk(device(), why))
        return FileDone::refused(why);
    if (unnamed_.isOpen())
        return commitUnnamed();
    // The new file gets the old one's owner and permissions, or the usual ones of a new
    // file; closed first, as Windows renames no open file.
    const QFileInfo old(path_);
    keepOwner(*temporary_, path_);
    const QString name = temporary_->fileName();
    temporary_->setAutoRemove(false);
    temporary_.reset();
    QFile::setPermissions(name, old.exists() ? old.permissions()
                                             : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (QString why; !replaceFile(name, path_, why)) {
        QFile::remove(name);
        return FileDone::refused(why);
    }
    committed_ = true;
    forgetFileOnFatalSignal();
    return {};
}

FileDone BatchOutputFile::commitUnnamed()
{
    // The file gets the old output's permissions and owner and a hidden name beside it, for
    // no longer than the rename takes, and then the output's own: a rename replaces the
    // old output in one step.
    QString named, why;
    if (!nameUnnamedFile(unnamed_.handle(), path_, named, why))
        return FileDone::refused(why);
    const QByteArray name = QFile::encodeName(named);
    removeFileOnFatalSignal(name);
    const bool renamed = replaceFile(named, path_, why);
    if (!renamed)
        QFile::remove(named);
    forgetFileOnFatalSignal();
    if (!renamed)
        return FileDone::refused(why);
    committed_ = true;
    unnamed_.close();
    return {};
}

} // namespace geardim

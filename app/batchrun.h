#pragma once

#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include <QCommandLineParser>
#include <QString>

#include <initializer_list>

#include "io/batchoutput.h"

// The files of a batch on the command line: the input read as a stream, the output to a
// file replaced all or nothing (or to standard output).
namespace geardim {

class BatchRun {
public:
    // Opens the input and, when outPath is not empty, the output's temporary file.
    // Nothing, or the exit status with its message printed.
    std::optional<int> open(const QString &inPath, const QString &outPath);
    std::istream &in() { return in_; }
    std::ostream &out() { return file_ ? file_->stream() : std::cout; }
    bool toFile() const { return file_.has_value(); }
    // Puts the output in place once the batch has run: nothing, or the exit status with its
    // message printed (problem: a header the batch could not read).
    std::optional<int> finish(const std::string &problem);

private:
    std::ifstream in_;
    std::optional<BatchOutputFile> file_;
    QString outPath_;
};

// Refuses (exit 2, with the message printed) when an output option of the command names the
// same file as one of its input options, through any name, link or hard link: the input
// would be destroyed before or while it is read. Nothing when none does.
std::optional<int> refuseOutputOverInput(const QCommandLineParser &parser, std::initializer_list<const QCommandLineOption *> inputs,
                                         std::initializer_list<const QCommandLineOption *> outputs);

} // namespace geardim

// Filling an editor document away from the window: Scintilla's loader, and a sink that feeds it.
#pragma once

#include <atomic>
#include <cstddef>
#include <string_view>

#include "util/block_sink.h"

class QsciScintillaBase;

// QScintilla 2.13 does not install the header that declares Scintilla's loader: the interface
// as Scintilla 3.x's ILexer.h has it, so that the editor's objects are called as it built them.
#ifdef _WIN32
#define SCI_METHOD __stdcall
#else
#define SCI_METHOD
#endif

class ILoader {  // NOLINT(cppcoreguidelines-virtual-class-destructor): released, never deleted
  public:
    virtual int SCI_METHOD Release() = 0;
    // Returns a status code from SC_STATUS_*
    virtual int SCI_METHOD AddData(const char* data, std::ptrdiff_t length) = 0;
    virtual void* SCI_METHOD ConvertToDocument() = 0;
};

namespace velnix::shell {

// A document of room for `bytes` bytes that keeps no style byte per character: the output text
// is never styled. Nothing when the editor could not make one.
ILoader* CreateLoader(QsciScintillaBase& editor, std::size_t bytes);

// Feeds the composed text into a loader that it makes when the composition tells the length.
// Runs on any thread; the editor itself is touched only by CreateLoader, which makes a new
// document and reads nothing of the displayed one.
class LoaderSink final : public BlockSink {
  public:
    LoaderSink(QsciScintillaBase& editor, const std::atomic<bool>& cancelled)
        : editor_(editor), cancelled_(cancelled) {}
    LoaderSink(const LoaderSink&) = delete;
    LoaderSink& operator=(const LoaderSink&) = delete;
    ~LoaderSink() override;

    void Expect(std::size_t length) override;
    bool Write(std::string_view block) override;

    // The document, handed over to the caller: it must be displayed or released.
    void* takeDocument();

    // How far the text is: bytes written of the length told. Read from any thread.
    std::size_t written() const { return written_.load(std::memory_order_relaxed); }
    std::size_t length() const { return length_.load(std::memory_order_relaxed); }

  private:
    QsciScintillaBase& editor_;
    const std::atomic<bool>& cancelled_;
    ILoader* loader_ = nullptr;
    std::atomic<std::size_t> written_{0};
    std::atomic<std::size_t> length_{0};
};

}  // namespace velnix::shell

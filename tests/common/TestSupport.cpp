#include "tests/common/TestSupport.h"

#include <atomic>
#include <cstdlib>
#include <stdexcept>

#include <gtest/gtest.h>

#include "core/text/TextManager.h"
#include "platform/Platform.h"
#include "platform/TextCodec.h"

namespace testing_support {
namespace {

// The build system hands over POSIX paths; the Windows build runs under
// Wine, which shows the Unix root as drive Z:.
std::u16string BuildRoot(const char* path)
{
    std::u16string root = platform::Utf8ToUtf16(path);
    for (auto& c : root) if (c == u'/') c = u'\\';
#ifdef _WIN32
    if (!root.empty() && root[0] == u'\\') root = u"Z:" + root;
#endif
    return root;
}

}  // namespace

std::u16string SourcePath(std::u16string_view relative) { return platform::JoinPath(BuildRoot(TR_SOURCE_DIR), relative); }

std::u16string BinaryPath(std::u16string_view relative) { return platform::JoinPath(BuildRoot(TR_BINARY_DIR), relative); }

std::u16string PicturePath(std::u16string_view relative)
{
    const char* folder = std::getenv("TR_PICTURE_FOLDER");
    if (folder == nullptr || *folder == 0) return BinaryPath(relative);
    return platform::JoinPath(BuildRoot(folder), relative.substr(relative.find_last_of(u'\\') + 1));
}

TempFolder::TempFolder()
{
    static std::atomic<unsigned> counter{0};
    const std::u16string base = platform::TemporaryFolder();
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const std::u16string marker = platform::CreateUniqueFile(base, u"trtest");
        if (marker.empty()) break;
        const std::u16string folder = marker + u".d" + platform::Utf8ToUtf16(std::to_string(counter.fetch_add(1)));
        if (!platform::FolderExists(folder) && platform::CreateFolders(folder)) path_ = folder;
        platform::RemoveFile(marker);
    }
    if (path_.empty()) throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() { platform::RemoveTree(path_); }

std::u16string TempFolder::File(std::u16string_view name) const { return platform::JoinPath(path_, name); }

std::vector<std::uint8_t> ReadBytes(std::u16string_view path)
{
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadWholeFile(path, bytes)) throw std::runtime_error("cannot read " + Narrow(path));
    return bytes;
}

void WriteBytes(std::u16string_view path, const std::vector<std::uint8_t>& bytes)
{
    platform::File file;
    if (!file.Open(path, platform::File::Mode::Create) || !file.Write(bytes.data(), bytes.size()) || !file.Close())
        throw std::runtime_error("cannot write " + Narrow(path));
}

void WriteBytes(std::u16string_view path, std::string_view bytes) { WriteBytes(path, Bytes(bytes)); }

std::vector<std::uint8_t> Bytes(std::string_view text) { return std::vector<std::uint8_t>(text.begin(), text.end()); }

std::string Narrow(std::u16string_view text) { return platform::Utf16ToUtf8(text); }

MessageCapture::MessageCapture(int answer) : answer_(answer)
{
    previous_ = SetAppMessageSink({&MessageCapture::Record, this});
}

MessageCapture::~MessageCapture() { SetAppMessageSink(previous_); }

void MessageCapture::Clear()
{
    messages_.clear();
    flags_.clear();
}

int MessageCapture::Record(const char16_t* text, unsigned flags, void* context)
{
    auto* self = static_cast<MessageCapture*>(context);
    self->messages_.emplace_back(text ? text : u"");
    self->flags_.push_back(flags);
    if (self->whileShown) self->whileShown();
    return self->answer_;
}

namespace {

class EditorTexts : public testing::Environment {
public:
    void SetUp() override
    {
        const std::u16string path = SourcePath(u"data\\trdata\\DatabaseEditor.txt");
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(path.c_str()));
        CTextManager::Instance()->SetLanguage(CTextManager::English);
    }
};

}  // namespace

void UseEditorTextsInEnglish()
{
    testing::AddGlobalTestEnvironment(new EditorTexts);
}

}  // namespace testing_support

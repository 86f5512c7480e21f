#include "ext/ostrel/runtime/upload_service.h"

#include <QFile>
#include <QTemporaryDir>

#include "tests/runtime/http_test_server.h"
#include "tests/runtime/service_fixture.h"

namespace runtime_test {
namespace {

using Ostrel::UploadResult;

TEST(UploadFilter, AcceptStrings) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"image/*", "Images (*.jpg *.jpeg *.png *.webp *.gif);;All files (*)"},
        {"image/png,image/jpeg", "Images (*.jpg *.jpeg *.png *.webp *.gif);;All files (*)"},
        {"video/mp4", "Videos (*.mp4 *.webm *.mov);;All files (*)"},
        {"image/png,video/mp4", "All files (*)"},
        {"", "All files (*)"},
        {"application/pdf", "All files (*)"},
    };
    for (const auto& [accept, filter] : cases) {
        EXPECT_EQ(Ostrel::file_filter_for_accept(accept), filter) << accept;
    }
}

TEST(UploadDisposition, QuotesAndLineBreaksAreEscaped) {
    const std::vector<std::pair<QString, QByteArray>> cases = {
        {"logo.png", R"(form-data; name="file"; filename="logo.png")"},
        {"a\"b.png", R"(form-data; name="file"; filename="a%22b.png")"},
        {"x\r\nContent-Type: evil",
         R"(form-data; name="file"; filename="x%0D%0AContent-Type: evil")"},
        {"grün 100%.png", R"(form-data; name="file"; filename="grün 100%.png")"},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(Ostrel::upload_disposition("file", name), expected) << name.toStdString();
    }
}

struct UploadService : ServiceTest {
    HttpTestServer server;
    QTemporaryDir dir;
    QString chosen;
    QString asked_filter;
    std::vector<UploadResult> results;
    Ostrel::UploadFileChooser saved_chooser = Ostrel::upload_file_chooser();

    void SetUp() override {
        ServiceTest::SetUp();
        Ostrel::install_qt_uploader(*app);
        Ostrel::upload_file_chooser() = [this](QWidget*, const QString& caption,
                                               const QString& filter) {
            EXPECT_EQ(caption, "Choose a file");
            asked_filter = filter;
            return chosen;
        };
    }
    void TearDown() override {
        Ostrel::upload_file_chooser() = saved_chooser;
        ServiceTest::TearDown();
    }

    void upload(const std::string& method, const std::string& accept) {
        app->upload_service(method, accept, server.url("/upload"), {{"X-Key", "k"}}, "file",
                            [this](const UploadResult& result) {
                                results.push_back(result);
                                log.push_back("result");
                            });
    }
};

TEST_F(UploadService, SendsOneFormDataPartWithTheChosenFile) {
    chosen = dir.filePath("my \"logo\"\n.png");
    QFile file(chosen);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\n-bytes-");
    file.close();
    server.status = 201;
    server.reply_body = "stored";
    upload("put", "image/png");
    ASSERT_TRUE(wait_for([this] { return count("after") == 1; }));
    EXPECT_EQ(asked_filter, "Images (*.jpg *.jpeg *.png *.webp *.gif);;All files (*)");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].cancelled);
    EXPECT_EQ(results[0].status, 201);
    EXPECT_EQ(results[0].body, "stored");
    EXPECT_EQ(results[0].error, "");
    EXPECT_EQ(log, (Strings{"result", "after"}));
    const ReceivedRequest& got = server.requests.at(0);
    EXPECT_EQ(got.method, "put");
    EXPECT_EQ(got.headers.value("x-key"), "k");
    EXPECT_TRUE(got.headers.value("content-type").startsWith("multipart/form-data; boundary="));
    EXPECT_NE(got.body.find("Content-Disposition: form-data; name=\"file\"; "
                            "filename=\"my %22logo%22%0A.png\"\r\n"),
              std::string::npos);
    EXPECT_NE(got.body.find("Content-Type: image/png\r\n"), std::string::npos);
    EXPECT_NE(got.body.find("\r\n\r\n\x89PNG\r\n\x1a\n-bytes-\r\n--"), std::string::npos);
}

TEST_F(UploadService, CancelledOrUnreadableAnswersInsideTheCall) {
    struct Case {
        QString chosen;
        bool cancelled;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"", true, ""},
        {"/no/such/file.png", false, "Couldn't open the selected file."},
    };
    for (const Case& c : cases) {
        results.clear();
        log.clear();
        chosen = c.chosen;
        upload("POST", "");
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].cancelled, c.cancelled);
        EXPECT_EQ(results[0].status, 0);
        EXPECT_EQ(results[0].error, c.error);
        EXPECT_EQ(log, Strings{"result"});
    }
    EXPECT_TRUE(server.requests.empty());
}

}  // namespace
}  // namespace runtime_test

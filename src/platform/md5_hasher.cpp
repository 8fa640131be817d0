#include "platform/md5_hasher.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <vector>

namespace krellix {
namespace {

// Large reads keep the system-call count low; the digest, not the copying, sets the pace.
constexpr std::size_t kBlockSize = std::size_t{1} << 20;

// Closes a descriptor on every way out.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// True when another open of the file holds it for writing. A read lease is refused (EAGAIN)
// exactly then; it is released at once, so writers are never held up. Where leases are not
// possible (a file of another owner, a file system without them) the answer is false.
bool OpenForWriting(int fd) {
  // Were a writer to open the file in the instant the lease stands, the kernel would signal
  // this process; SIGURG is ignored by default, where SIGIO would end the program.
  if (::fcntl(fd, F_SETSIG, SIGURG) != 0) return false;
  if (::fcntl(fd, F_SETLEASE, F_RDLCK) != 0) return errno == EAGAIN;
  ::fcntl(fd, F_SETLEASE, F_UNLCK);
  return false;
}

}  // namespace

struct Md5Hasher::State {
  EVP_MD* md = nullptr;
  EVP_MD_CTX* ctx = nullptr;
  std::vector<unsigned char> buffer;
};

Md5Hasher::Md5Hasher() : state_(std::make_unique<State>()) {
  // Fetched once: an implicit fetch at every init costs more than hashing a small file.
  state_->md = EVP_MD_fetch(nullptr, "MD5", nullptr);
  state_->ctx = EVP_MD_CTX_new();
  state_->buffer.resize(kBlockSize);
}

Md5Hasher::~Md5Hasher() {
  EVP_MD_CTX_free(state_->ctx);
  EVP_MD_free(state_->md);
}

FileResult Md5Hasher::Hash(const std::string& path, Md5Digest& digest,
                           const std::atomic<bool>* stop) {
  if (state_->md == nullptr || state_->ctx == nullptr) return ErrnoError(path, ENOSYS);
  // Non-blocking, so that opening a FIFO cannot hang; only regular files are read below.
  const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (fd.get() < 0) return ErrnoError(path, errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return ErrnoError(path, errno);
  if (S_ISDIR(st.st_mode)) return ErrnoError(path, EISDIR);
  if (!S_ISREG(st.st_mode)) return ErrnoError(path, EINVAL);
  if (OpenForWriting(fd.get())) return ErrnoError(path, EAGAIN);
  ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

  if (EVP_DigestInit_ex(state_->ctx, state_->md, nullptr) != 1) return ErrnoError(path, EIO);
  unsigned char* buffer = state_->buffer.data();
  for (;;) {
    if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
      return ErrnoError(path, ECANCELED);
    }
    const ssize_t got = ::read(fd.get(), buffer, kBlockSize);
    if (got < 0) {
      if (errno == EINTR) continue;
      return ErrnoError(path, errno);
    }
    if (got == 0) break;
    if (EVP_DigestUpdate(state_->ctx, buffer, static_cast<std::size_t>(got)) != 1) {
      return ErrnoError(path, EIO);
    }
  }
  unsigned int size = 0;
  if (EVP_DigestFinal_ex(state_->ctx, digest.data(), &size) != 1 || size != digest.size()) {
    return ErrnoError(path, EIO);
  }
  return {};
}

}  // namespace krellix

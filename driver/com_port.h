#pragma once
// The serial port: an exclusive raw 115200 8N1 line and the reader thread that
// hands received bytes to the receive handler as they arrive.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace colorport {

class ComPort {
 public:
  enum class OpenOutcome { Opened, InUse, Failed };

  ComPort();
  virtual ~ComPort();
  ComPort(const ComPort&) = delete;
  ComPort& operator=(const ComPort&) = delete;

  // Runs on the reader thread with each chunk read (at most kReadChunk bytes).
  virtual void OnReceive(const std::uint8_t* bytes, std::size_t count);
  // Runs on the reader thread when the device has gone (hang-up or read error).
  virtual void OnLineLost() {}

  OpenOutcome openPort(const std::string& devicePath, std::uint16_t portNumber);
  void closePort();
  bool portOpen() const { return fd_ != -1; }
  // Bytes written, or -1 when bytes are missing or the port is closed.
  int write(const std::uint8_t* bytes, std::size_t count);

  int handle() const { return handle_; }
  std::uint16_t portNumber() const { return portNumber_; }
  const std::string& devicePath() const { return devicePath_; }

  static constexpr std::size_t kReadChunk = 3072;

  class ReadComThread {
   public:
    explicit ReadComThread(ComPort& owner) : owner_(owner) {}
    virtual ~ReadComThread();
    ReadComThread(const ReadComThread&) = delete;
    ReadComThread& operator=(const ReadComThread&) = delete;

    // False when no thread could be started (the port then stays silent).
    bool start();
    // Wakes the thread out of poll() and joins it.
    void stop();
    int runState();

    enum : int { kRunning = 0, kStopRequested = 1, kEnded = 2 };

   private:
    void run();
    void setRunState(int state);

    ComPort& owner_;
    std::thread thread_;
    int runState_ = kRunning;  // under lock_
    std::uint8_t buffer_[kReadChunk] = {};
    std::mutex lock_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
  };

 private:
  int fd_ = -1;
  int handle_ = -1;  // names this opening to callers; never reused within the process
  std::uint16_t portNumber_ = 0;
  std::string devicePath_;
  std::unique_ptr<ReadComThread> reader_;
};

}  // namespace colorport

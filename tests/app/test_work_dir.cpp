// The working folder of one GUI test program (each has its own, given by
// the build), read by the driver when it starts the program.
namespace gui {
extern const char* const kTestWorkDir;
const char* const kTestWorkDir = H3D_TEST_WORK_DIR;
}  // namespace gui

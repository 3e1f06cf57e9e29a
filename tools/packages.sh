# The Debian/Ubuntu packages the build needs, and those the tests need on top (clang and its
# runtime libraries for the fuzz targets).
BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
  libcanberra-dev)
TEST_PACKAGES=(libgtest-dev valgrind clang libclang-rt-dev clang-format
  python3-pyatspi at-spi2-core dbus xvfb) # the screen-reader test reads the window through AT-SPI
# tools/check-package.sh: builds the .deb, validates it, checks its program's hardening
# (hardening-check from devscripts) and starts the unpacked program under Xvfb.
PACKAGE_CHECK_PACKAGES=(desktop-file-utils appstream lintian dpkg-dev groff xvfb xdotool imagemagick
  devscripts)
# The Windows build and its tests under Wine (tools/test-windows.sh, called by test.sh); python3
# rewrites the ZIPs and the MSI's summary times into their reproducible form.
MINGW_PACKAGES=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
                binutils-mingw-w64-i686 python3)
WINDOWS_PACKAGES=("${MINGW_PACKAGES[@]}" wine64 fonts-wine xvfb googletest)
# The Windows Installer packages and their tests under Wine (tools/test-msi.sh): wixl and msiinfo,
# lnkinfo to read the Start-menu shortcut, xdotool to close the window started from it, and
# osslsigncode with openssl for a trial signature.
MSI_PACKAGES=(wixl msitools liblnk-utils xdotool osslsigncode openssl)
# The 32-bit Wine that runs the i686 test suites; it needs Debian's i386 architecture
# (tools/test-windows.sh adds it).
WINDOWS_32_PACKAGES=(wine32:i386)
# The web page (tools/build-web.sh): Emscripten (it brings node along); python3 serves the site
# for ./run.sh --web.
WEB_PACKAGES=(emscripten cmake make python3)
# Its browser tests (tools/test-web.sh, called by test.sh): Debian's Chromium, driven by
# Playwright from npm. Node.js 20 and npm come with the machine; tools/test-web.sh installs
# Debian's nodejs and npm only where there are none.
WEB_TEST_PACKAGES=(chromium)
# The web page's announcements read through AT-SPI (tools/test-web-screen-reader.sh).
WEB_SCREEN_READER_PACKAGES=(python3-pyatspi at-spi2-core dbus xvfb)
# The same scenarios in the other two engines (tools/test-web-engines.sh): Debian's Firefox ESR,
# driven by puppeteer-core over WebDriver BiDi, and a bare WebKitGTK window of our own (Python
# with GObject introspection) through WebKitWebDriver, on a private Xvfb, with a private
# PulseAudio null sink for their sound.
WEB_ENGINE_PACKAGES=(firefox-esr webkit2gtk-driver gir1.2-webkit2-4.1 python3-gi xvfb pulseaudio)
# tools/test-screen-reader.sh: Orca listening to the Qt window and the web page, with
# speech-dispatcher for its speech, openbox as the window manager Orca needs, xprop to see that it
# runs, xdotool for keys and the pointer, and the locales to build German from.
SCREEN_READER_PACKAGES=(orca speech-dispatcher openbox x11-utils xdotool xvfb dbus at-spi2-core
                        python3-pyatspi locales chromium)
# tools/release.sh: every package from the source, no test tools (dpkg-dev for the .deb's
# dependencies, wixl and msibuild for the MSIs, git for the source archive); --verify shows with
# diffoscope how two builds differ, where they do.
RELEASE_PACKAGES=("${BUILD_PACKAGES[@]}" dpkg-dev git "${MINGW_PACKAGES[@]}" wixl msitools
                  "${WEB_PACKAGES[@]}")
VERIFY_PACKAGES=(diffoscope-minimal)

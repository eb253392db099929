# Entry points: `make run` builds and starts the program, `make test` builds
# with sanitizers and runs every test, `make package` builds the Debian
# package of the optimised build. All install what is missing.

PACKAGES := g++ cmake make ccache qt6-base-dev qt6-base-dev-tools qt6-translations-l10n \
            libgtest-dev libgl1-mesa-dev libx11-dev fonts-dejavu-core fonts-noto-core xvfb xauth \
            xdotool librsvg2-bin desktop-file-utils appstream dpkg-dev
JOBS     := $(shell nproc 2>/dev/null || echo 2)
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
export CCACHE_DIR     ?= $(HOME)/.cache/ccache
export CCACHE_BASEDIR := $(CURDIR)

.PHONY: run test package setup build-run build-test clean

setup:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build-run: setup
	cmake -S . -B build/run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVELUNE_TESTS=OFF -DTAVELUNE_SANITIZE=OFF \
	      -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
	cmake --build build/run -j $(JOBS)

build-test: setup
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DTAVELUNE_SANITIZE=ON >/dev/null
	cmake --build build/test -j $(JOBS)

run: build-run
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "tavelune: no display found; start it under a display, e.g. 'xvfb-run make run'."; exit 1; \
	fi
	./build/run/tavelune

test: build-test
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The package is made from the optimised build, its paths those of /usr.
package: build-run
	cd build/run && cpack -G DEB
	@ls build/run/*.deb

clean:
	rm -rf build

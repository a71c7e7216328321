// Runs before the game: mounts the folder that outlives the page (platform/web/SaveStorage.cpp)
// and reads it back from IndexedDB, holding the start until it is there.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  FS.mkdir('/kept');
  try {
    FS.mount(IDBFS, {}, '/kept');
  } catch (error) {
    Module.qvStorageProblem = String(error);
    return;
  }
  // Emscripten answers an fsync in the folder by writing the whole folder to IndexedDB, which
  // stored each save's temporary file and deleted whatever another tab had stored meanwhile.
  // The game stores each saved file itself, in a transaction of its own; IndexedDB is only read
  // as a whole, here.
  const readWhole = IDBFS.syncfs;
  IDBFS.syncfs = function (mount, populate, callback) {
    if (populate) return readWhole(mount, populate, callback);
    callback(null);
  };
  addRunDependency('qv-kept');
  FS.syncfs(true, function (error) {
    if (error) Module.qvStorageProblem = String(error.message || error);
    removeRunDependency('qv-kept');
  });
});

-- Reports what the benchmark reads from mpv on standard error: the first frame shown, in
-- milliseconds from process start (the kernel's start time, as Quorvel reports its own), and the
-- dropped-frame counters once a second.
local function ms_since_process_start()
    local stat = io.open("/proc/self/stat"):read("*a")
    local fields = {}
    for word in stat:match("%) (.*)"):gmatch("%S+") do fields[#fields + 1] = word end
    local start = tonumber(fields[20]) / 100
    local uptime = tonumber(io.open("/proc/uptime"):read("*a"):match("^(%S+)"))
    return (uptime - start) * 1000
end

local reported = false
mp.register_event("playback-restart", function()
    if reported then return end
    reported = true
    io.stderr:write(string.format("bench: first-frame %d\n", ms_since_process_start()))
end)

mp.add_periodic_timer(1, function()
    local drops = tonumber(mp.get_property("frame-drop-count", "0")) +
                  tonumber(mp.get_property("decoder-frame-drop-count", "0"))
    io.stderr:write(string.format("bench: dropped %d\n", drops))
end)

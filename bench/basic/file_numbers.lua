-- The yardstick of basic_bench's figure (f): 10^6 numbers written with
-- f:write(x, "\n") and read back with f:read("n"), the same numbers the
-- BASIC program writes (I + .5 for I = 1 to 10^6), in ns per number of
-- processor time (os.clock).
--   lua5.4 file_numbers.lua FILE
local path = arg[1] or os.tmpname()
local count = 1000000

local start = os.clock()
local f = assert(io.open(path, "w"))
for i = 1, count do f:write(i + 0.5, "\n") end
f:close()
local wrote = os.clock() - start

start = os.clock()
f = assert(io.open(path, "r"))
local sum = 0
for _ = 1, count do sum = sum + f:read("n") end
f:close()
local read = os.clock() - start
os.remove(path)

print(string.format("lua_write_ns_per_number=%.1f", wrote * 1e9 / count))
print(string.format("lua_read_ns_per_number=%.1f", read * 1e9 / count))
print(string.format("lua_ns_per_number=%.1f (sum %.1f)", (wrote + read) * 1e9 / count, sum))

$TTL	3600
@	IN	SOA	ns1.example.com. hostmaster.example.com. (
			2024060101	; serial
			7200		; refresh
			3600		; retry
			1209600		; expire
			3600 )		; negative cache time to live
	IN	NS	ns1.example.com.
	IN	NS	ns2.example.com.
	IN	MX	10 mail.example.com.
	IN	MX	20 mail2.example.com.
	IN	TXT	"v=spf1 mx -all"
ns1	IN	A	192.0.2.1
ns2	IN	A	192.0.2.2
mail	IN	A	192.0.2.10
mail2	IN	A	192.0.2.11
www	IN	A	192.0.2.20
www	IN	AAAA	2001:db8::20
ftp	IN	CNAME	www.example.com.
sip	IN	A	192.0.2.30
_sip._udp	IN	SRV	10 60 5060 sip.example.com.
_sip._tcp	IN	SRV	10 40 5060 sip.example.com.

<?php
// Switches a site's address on or off.
$account = find_account(arg('id'));
$status = arg('status');
if ($account && ($status === 'enable' || $status === 'disable')) {
  update_account($account['unixname'], ['enabled' => $status === 'enable' ? 1 : 0]);
  echo $status . 'd';
}
